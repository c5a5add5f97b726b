// Geometry of the sun-path chart: a stereographic plan of the sky.
//
// Pixels of the 460 x 460 chart layers, origin top-left, y down. The zenith is
// the centre (cx, cy), the horizon the circle of radius R; a sky point of
// altitude h lies R * tan((90 - h) / 2) from the centre; north is up, east to
// the right. Azimuths are degrees clockwise from north.
#pragma once

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

    // Distance from the centre of a sky point of the given altitude.
    double radiusAtAltitude(double altitudeDeg) const;
    // The point of a sky direction: azimuth clockwise from north, altitude.
    QPointF toPixel(double azimuthDeg, double altitudeDeg) const;
    // The horizon point of an azimuth.
    QPointF horizonPoint(double azimuthDeg) const { return toPixel(azimuthDeg, 0.0); }

    // The circle family of the masks and the protractor: the great circle
    // through the horizon points at azimuths w +- 90 that stands at altitude a
    // in the direction w. Radius R / cos a, centre R tan a from the centre
    // toward w + 180; its arc nearest w crosses the azimuth-w radius at
    // R tan((90 - a) / 2).
    Circle familyCircle(double angleDeg, double directionDeg) const;
};

}  // namespace chart
