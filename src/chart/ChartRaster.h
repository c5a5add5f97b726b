// Drawing helpers shared by the chart, the masks, the protractor and the
// freehand drawing: circles and lines from real chart coordinates, truncated
// toward zero argument by argument, and the clearing outside the horizon.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"
#include "math/angles.h"

#include <QPointF>

namespace chart {

// Circles whose box reaches farther than this from the image are not drawn:
// such radii come only from inputs far outside their ranges, and the int
// arithmetic of a box must never overflow.
inline constexpr double kLargestDrawableCoordinate = 1.0e7;

// The ellipse inscribed in the box (centre - radius, centre + radius) with the
// canvas's pen and brush. Returns false when the circle is too large to draw.
bool drawCircle(Canvas& canvas, const Circle& circle);
// The circle of radius r about the chart centre.
void drawCentredCircle(Canvas& canvas, const ChartGeometry& g, double radius);
// A line from one point to another with the canvas's pen.
void drawLine(Canvas& canvas, QPointF from, QPointF to);
// The façade line: the diameter from azimuth O + 90 (right end) to O - 90.
void drawFacadeLine(Canvas& canvas, const ChartGeometry& g, double orientationDeg);
// Paints every pixel outside the horizon white: the horizon as drawn with a
// one-pixel pen bounds each row, and whatever lies beyond it becomes white.
// The horizon itself is left to be drawn again by the caller.
void clearOutsideHorizon(Canvas& canvas, const ChartGeometry& g);

// See math/angles.h: the raster drawing keeps its rounding.
constexpr double degToRad(double degrees) {
    return math::degToRadRoundedTwice(degrees);
}

}  // namespace chart
