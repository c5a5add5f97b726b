#include "chart/ChartRaster.h"

#include "canvas/Truncate.h"

#include <cmath>
#include <numbers>

namespace chart {

namespace {

// Marks the horizon while the outside is cleared; no drawing uses it, so it
// bounds nothing but that one fill.
const QColor kHorizonKey{1, 254, 3};

bool drawable(double value) {
    return std::isfinite(value) && std::abs(value) < kLargestDrawableCoordinate;
}

}  // namespace

bool drawCircle(Canvas& canvas, const Circle& circle) {
    const double left = circle.centreX - circle.radius;
    const double top = circle.centreY - circle.radius;
    const double right = circle.centreX + circle.radius;
    const double bottom = circle.centreY + circle.radius;
    if (!drawable(left) || !drawable(top) || !drawable(right) || !drawable(bottom)) {
        return false;
    }
    canvas.ellipse(truncPx(left), truncPx(top), truncPx(right), truncPx(bottom));
    return true;
}

void drawCentredCircle(Canvas& canvas, const ChartGeometry& g, double radius) {
    drawCircle(canvas, {g.chartCentreX, g.chartCentreY, radius});
}

void drawLine(Canvas& canvas, QPointF from, QPointF to) {
    canvas.moveTo(truncPx(from.x()), truncPx(from.y()));
    canvas.lineTo(truncPx(to.x()), truncPx(to.y()));
}

void drawFacadeLine(Canvas& canvas, const ChartGeometry& g, double orientationDeg) {
    const double o = degToRad(orientationDeg);
    const double dx = g.chartRadius * std::cos(o);
    const double dy = g.chartRadius * std::sin(o);
    drawLine(canvas, {g.chartCentreX + dx, g.chartCentreY + dy},
             {g.chartCentreX - dx, g.chartCentreY - dy});
}

// The horizon is drawn in a colour of its own and everything connected to the
// image's corner without crossing it is filled white: exactly the pixels
// beyond the one-pixel horizon, whatever its rasterisation. The caller draws
// the horizon again over the marked ring. Afterwards the canvas holds the
// white two-pixel pen and the clear brush of the clearing it stands for.
void clearOutsideHorizon(Canvas& canvas, const ChartGeometry& g) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColor(kHorizonKey);
    canvas.setBrushStyle(BrushStyle::Clear);
    drawCentredCircle(canvas, g, g.chartRadius);
    canvas.setBrushColor(Qt::white);
    // The horizon lies inside the image, so its outside is one region that
    // reaches the corner.
    canvas.floodFill(0, 0, kHorizonKey);
    canvas.setPenColor(Qt::white);
    canvas.setPenWidth(2);
    canvas.setBrushStyle(BrushStyle::Clear);
}

}  // namespace chart
