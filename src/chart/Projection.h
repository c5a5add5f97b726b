// The chart's one projection: the stereographic plan of the sky from the
// zenith, both ways. Every drawing that puts a sky direction on the chart
// (paths, masks, protractor, overlay, path marks and labels) and every
// readout of a pixel goes through it.
//
// Sky: altitude in degrees above the horizon (90 at the zenith, negative
//      below the horizon); azimuth in degrees clockwise from north, as on a
//      compass: 0 north, 90 east, 180 south, 270 west.
// Chart: pixels of the 460 x 460 layers, origin top-left, x right, y down;
//      the zenith at the centre, north up, east to the right (a plan seen
//      from below, as the charts are printed), the horizon the circle of
//      radius R. A direction of altitude h lies R tan((90 - h) / 2) from the
//      centre.
#pragma once

#include "math/angles.h"

#include <QPointF>

#include <cmath>

namespace chart {

struct SkyDirection {
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;  // clockwise from north, in [0, 360) from toSky
};

class Projection {
public:
    constexpr Projection() = default;
    constexpr Projection(double centreX, double centreY, double horizonRadiusPx)
        : centreX_(centreX), centreY_(centreY), horizonRadiusPx_(horizonRadiusPx) {}

    double centreX() const { return centreX_; }
    double centreY() const { return centreY_; }
    double horizonRadiusPx() const { return horizonRadiusPx_; }

    // Distance from the centre of the directions of this altitude.
    double radiusAtAltitude(double altitudeDeg) const {
        return horizonRadiusPx_ * std::tan(math::degToRad((90.0 - altitudeDeg) / 2.0));
    }
    // The altitude of the directions at this distance from the centre.
    double altitudeAtRadius(double radiusPx) const;

    QPointF toPixel(const SkyDirection& sky) const {
        return atRadius(radiusAtAltitude(sky.altitudeDeg), sky.azimuthDeg);
    }
    // toPixel for a caller that knows the distance from the centre already.
    QPointF atRadius(double radiusPx, double azimuthDeg) const {
        const double a = math::degToRad(azimuthDeg);
        return {centreX_ + radiusPx * std::sin(a), centreY_ - radiusPx * std::cos(a)};
    }
    // The inverse of toPixel. The centre is the zenith with azimuth 0; points
    // beyond the horizon circle give negative altitudes.
    SkyDirection toSky(QPointF pixel) const;

private:
    double centreX_ = 230.0;
    double centreY_ = 230.0;
    double horizonRadiusPx_ = 192.0;
};

}  // namespace chart
