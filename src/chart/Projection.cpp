#include "chart/Projection.h"

#include "math/angles.h"

#include <cmath>

namespace chart {

double Projection::altitudeAtRadius(double radiusPx) const {
    return 90.0 - 2.0 * math::radToDeg(std::atan(radiusPx / horizonRadiusPx_));
}

SkyDirection Projection::toSky(QPointF pixel) const {
    const double east = pixel.x() - centreX_;
    const double north = centreY_ - pixel.y();
    const double r = std::hypot(east, north);
    double azimuth = r == 0.0 ? 0.0 : math::radToDeg(std::atan2(east, north));
    if (azimuth < 0.0) {
        azimuth += 360.0;
    }
    return {altitudeAtRadius(r), azimuth};
}

}  // namespace chart
