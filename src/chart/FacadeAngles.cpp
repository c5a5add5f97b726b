#include "chart/FacadeAngles.h"

#include "math/angles.h"

#include <cmath>

namespace chart {

FacadeAngles facadeAnglesOf(const SkyDirection& sky, double orientationDeg) {
    FacadeAngles a;
    double d = std::fmod(sky.azimuthDeg - orientationDeg, 360.0);
    if (d <= -180.0) {
        d += 360.0;
    } else if (d > 180.0) {
        d -= 360.0;
    }
    a.relativeAzimuthDeg = d;
    a.inFront = std::abs(d) < 90.0;
    a.side = d >= 0.0 ? FacadeSide::Right : FacadeSide::Left;
    a.betaDeg = std::abs(d);

    // The direction as a unit vector along the normal, along the façade
    // toward the side, and up.
    const double h = math::degToRad(sky.altitudeDeg);
    const double along = std::cos(h) * std::cos(math::degToRad(d));
    const double across = std::cos(h) * std::abs(std::sin(math::degToRad(d)));
    const double up = std::sin(h);
    a.cosIncidence = along;
    a.alphaDeg = math::radToDeg(std::atan2(up, along));
    a.gammaDeg = math::radToDeg(std::atan2(up, across));
    return a;
}

}  // namespace chart
