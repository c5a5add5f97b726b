#include "chart/ChartGeometry.h"

#include "math/angles.h"

#include <cmath>

namespace chart {

namespace {
// tan((90 - h) / 2) for h = 0, 10, ..., 90, as ten-digit decimals.
constexpr std::array<double, 10> kAltitudeFactors{
    1.0,          0.8390996312, 0.7002075382, 0.5773502692, 0.4663076582,
    0.3639702343, 0.2679491924, 0.1763269807, 0.0874886635, 0.0};
}  // namespace

ChartGeometry ChartGeometry::forImage(int width, int height) {
    ChartGeometry g;
    g.chartRadius = 192.0;
    for (std::size_t i = 0; i < kAltitudeFactors.size(); ++i) {
        g.altitudeRadii[i] = g.chartRadius * kAltitudeFactors[i];
    }
    g.chartCentreX = static_cast<double>(width / 2);
    g.chartCentreY = static_cast<double>(height / 2);
    return g;
}

Circle ChartGeometry::familyCircle(double angleDeg, double directionDeg) const {
    const double a = math::degToRad(angleDeg);
    const double w = math::degToRad(directionDeg);
    const double offset = chartRadius * std::tan(a);
    return {chartCentreX - offset * std::sin(w), chartCentreY + offset * std::cos(w),
            chartRadius / std::cos(a)};
}

}  // namespace chart
