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
};

}  // namespace chart
