#include "chart/FreehandMask.h"

#include "canvas/Truncate.h"
#include "chart/ChartColours.h"
#include "chart/ChartRaster.h"

#include <cmath>

namespace chart {

namespace {

QPoint horizonPixel(const ChartGeometry& g, double angleDeg) {
    const double a = degToRad(angleDeg);
    return {truncPx(g.chartCentreX + g.chartRadius * std::sin(a)),
            truncPx(g.chartCentreY - g.chartRadius * std::cos(a))};
}

}  // namespace

void drawMaskReferenceLines(Canvas& imagem3, const ChartGeometry& g, double orientationDeg) {
    Canvas& c = imagem3;
    c.setPenStyle(PenStyle::Solid);
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenColor(kMaskGray);
    c.setPenWidth(3);
    c.ellipse(truncPx(g.chartCentreX - g.chartRadius), truncPx(g.chartCentreY - g.chartRadius),
              truncPx(g.chartCentreX + g.chartRadius), truncPx(g.chartCentreY + g.chartRadius));
    const QPoint right = horizonPixel(g, orientationDeg + 90.0);
    const QPoint left = horizonPixel(g, orientationDeg - 90.0);
    const QPoint front = horizonPixel(g, orientationDeg);
    c.moveTo(right.x(), right.y());
    c.lineTo(left.x(), left.y());
    c.moveTo(truncPx(g.chartCentreX), truncPx(g.chartCentreY));
    c.lineTo(front.x(), front.y());
    c.setBrushColor(Qt::white);
    c.setPenColor(Qt::white);
    c.setPenWidth(1);
}

void drawMaskSegment(Canvas& imagem3, QPoint from, QPoint to) {
    Canvas& c = imagem3;
    c.setPenStyle(PenStyle::Solid);
    c.setPenColor(kMaskGray);
    c.setPenWidth(3);
    c.setBrushColor(kMaskGray);
    c.moveTo(from.x(), from.y());
    c.lineTo(to.x(), to.y());
    c.setBrushColor(Qt::white);
}

void drawMaskDot(Canvas& imagem3, QPoint at) {
    Canvas& c = imagem3;
    c.setPenStyle(PenStyle::Solid);
    c.setPenColor(kMaskGray);
    c.setPenWidth(2);
    c.setBrushColor(kMaskGray);
    c.ellipse(at.x() - 2, at.y() - 2, at.x() + 2, at.y() + 2);
    c.setBrushColor(Qt::white);
}

void fillMask(Canvas& imagem3, QPoint at, MaskFill fill) {
    Canvas& c = imagem3;
    c.setBrushColor(fill == MaskFill::Total ? kTotalShadingRed : kPartialShadingYellow);
    c.floodFill(at.x(), at.y(), kMaskGray);
    c.setBrushColor(Qt::white);
}

}  // namespace chart
