// The sun-path chart on the base layer `imagem`: axes, altitude circles, hour
// circles, the seven date paths, azimuth rays, the horizon, and the cardinal,
// azimuth and altitude labels.
//
// Pixels of the chart layer (origin top-left, y down), degrees for the
// latitude (north positive); the declinations of the paths are in radians.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartInputs.h"

#include <array>

namespace chart {

// Declinations of the date paths, radians; each stands for two dates.
inline constexpr std::array<double, 7> kDeclinationTable{-0.41, -0.35, -0.18, 0.0,
                                                         0.18,  0.35,  0.41};
// Hours of the hour circles; noon is the north-south axis.
inline constexpr std::array<double, 12> kHourTable{6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18};

// A date path with a radius beyond this is drawn as the straight line it
// approximates: across the horizon it then departs from that line by less
// than a fifth of a pixel, and the radius of a latitude a hair away from
// -declination (up to 1e12 pixels) would overflow every pixel coordinate.
inline constexpr double kStraightPathRadiusPx = 1.0e5;

// The circle through the sun positions of an hour (6 to 18) at a latitude.
Circle hourCircle(const ChartGeometry& g, double latitudeDeg, double hour);

// The sun path of a declination at a latitude: a circle, or the straight line
// y = lineY perpendicular to the north-south axis through the noon point.
struct DatePath {
    bool straight = false;
    Circle circle;
    double lineY = 0.0;
};
DatePath datePath(const ChartGeometry& g, double latitudeDeg, double declinationRad);

// The chart itself, up to the horizon, on a white layer.
void drawSunPathChart(Canvas& imagem, const ChartGeometry& g, double latitudeDeg, bool sunPaths);
// The north-south and east-west axes, black, one pixel.
void drawAxes(Canvas& imagem, const ChartGeometry& g);
// The cardinal letters, the azimuth and altitude labels and then the
// annotation block of the inputs.
void drawChartLabels(Canvas& imagem, const ChartGeometry& g, const ChartInputs& inputs);

}  // namespace chart
