// Geometry of the sun-path chart: its projection (see Projection.h for the
// axes, units and signs), the altitude circles, and the circle family of the
// masks and the protractor.
#pragma once

#include "chart/Projection.h"

#include <QPointF>

#include <array>

namespace chart {

// The family circle of this angle runs at most R tan(0.5) = 1.7 px in front
// of the façade line: it stands for the façade, erases what lies behind it,
// and no mask curve is drawn from this angle up.
inline constexpr double kFacadeCurveAngleDeg = 89.0;

// A circle in chart pixels (unrounded).
struct Circle {
    double centreX = 0.0;
    double centreY = 0.0;
    double radius = 0.0;
};

struct ChartGeometry {
    double chartRadius = 192.0;
    // Radii of the altitude circles 0, 10, ..., 90 degrees.
    std::array<double, 10> altitudeRadii{};
    double chartCentreX = 230.0;
    double chartCentreY = 230.0;

    // The geometry of a chart image of the given size (integer halving).
    static ChartGeometry forImage(int width, int height);

    Projection projection() const { return {chartCentreX, chartCentreY, chartRadius}; }
    // The horizon point of an azimuth.
    QPointF horizonPoint(double azimuthDeg) const {
        return projection().toPixel({0.0, azimuthDeg});
    }

    // The circle family of the masks and the protractor: the great circle
    // through the horizon points at azimuths w +- 90 that stands at altitude a
    // in the direction w. Radius R / cos a, centre R tan a from the centre
    // toward w + 180; its arc nearest w crosses the azimuth-w radius at
    // R tan((90 - a) / 2).
    Circle familyCircle(double angleDeg, double directionDeg) const;
};

}  // namespace chart
