#include "chart/FacadeAngles.h"

#include "math/angles.h"

#include <cmath>

namespace chart {

namespace {

// Azimuth of the direction minus the orientation, in (-180, 180].
double relativeAzimuth(double azimuthDeg, double orientationDeg) {
    double d = std::fmod(azimuthDeg - orientationDeg, 360.0);
    if (d <= -180.0) {
        d += 360.0;
    } else if (d > 180.0) {
        d -= 360.0;
    }
    return d;
}

}  // namespace

Facing facingOf(const SkyDirection& sky, double orientationDeg) {
    const double d = relativeAzimuth(sky.azimuthDeg, orientationDeg);
    return {d, std::abs(d) < 90.0,
            std::cos(math::degToRad(sky.altitudeDeg)) * std::cos(math::degToRad(d))};
}

FacadeAngles facadeAnglesOf(const SkyDirection& sky, double orientationDeg) {
    const Facing facing = facingOf(sky, orientationDeg);
    FacadeAngles a;
    const double d = facing.relativeAzimuthDeg;
    a.relativeAzimuthDeg = d;
    a.inFront = facing.inFront;
    a.side = d >= 0.0 ? FacadeSide::Right : FacadeSide::Left;
    a.betaDeg = std::abs(d);

    // The direction as a unit vector along the normal, along the façade
    // toward the side, and up.
    const double h = math::degToRad(sky.altitudeDeg);
    const double along = facing.cosIncidence;
    const double across = std::cos(h) * std::abs(std::sin(math::degToRad(d)));
    const double up = std::sin(h);
    a.cosIncidence = along;
    a.alphaDeg = math::radToDeg(std::atan2(up, along));
    a.gammaDeg = math::radToDeg(std::atan2(up, across));
    return a;
}

}  // namespace chart
