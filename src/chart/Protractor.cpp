#include "chart/Protractor.h"

#include "canvas/Truncate.h"
#include "chart/ChartColours.h"
#include "chart/ChartRaster.h"
#include "math/matrix.h"
#include "math/numbers.h"

#include <cmath>

namespace chart {

QPoint protractorBetaLineEnd(const ChartGeometry& g, double orientationDeg, int k) {
    const double phi = degToRad(orientationDeg + 10.0 * k);
    const math::matrix t = math::matrix::identity(3);
    const math::matrix s = math::matrix::identity(3);
    const math::matrix m = t * math::rotation(phi) * s;
    math::matrix p(1, 3);
    p(0, 0) = truncPx(-g.chartRadius);
    p(0, 1) = 0.0;
    p(0, 2) = 1.0;
    const math::matrix end = p * m;
    return {truncPx(end(0, 0)), truncPx(end(0, 1))};
}

void drawProtractor(Canvas& imagem2, const ChartGeometry& g, double orientationDeg,
                    bool overlayShown) {
    Canvas& c = imagem2;
    c.setBrushColor(Qt::white);
    c.setPenStyle(PenStyle::Solid);
    c.setPenColor(overlayShown ? kProtractorGreen : kProtractorRed);
    c.setPenWidth(overlayShown ? 2 : 1);
    for (int a = 5; a <= 85; a += 5) {
        drawCircle(c, g.familyCircle(a, orientationDeg));
    }
    const int cx = truncPx(g.chartCentreX);
    const int cy = truncPx(g.chartCentreY);
    for (int k = 0; k <= 17; ++k) {
        const QPoint end = protractorBetaLineEnd(g, orientationDeg, k);
        c.moveTo(cx, cy);
        c.lineTo(truncPx(g.chartCentreX + end.x()), truncPx(g.chartCentreY - end.y()));
    }
    // Behind the façade: the back halves of the curves and the k = 0 line.
    c.setPenColor(Qt::white);
    c.setPenWidth(2);
    drawCircle(c, g.familyCircle(kFacadeCurveAngleDeg, orientationDeg));
}

QPoint protractorLabelPosition(const ChartGeometry& g, double orientationDeg, int alfaDeg) {
    const double o = degToRad(orientationDeg);
    const double d = g.projection().radiusAtAltitude(alfaDeg);
    const double sinO = std::sin(o);
    const double cosO = std::cos(o);
    double x = g.chartCentreX + d * sinO - 5.0 * std::abs(sinO);
    if (cosO == -1.0) {
        x -= 15.0;
    }
    const double y = g.chartCentreY - d * cosO - 5.0 * std::abs(cosO);
    return {truncPx(x), truncPx(y)};
}

void drawProtractorLabels(Canvas& imagem2, const ChartGeometry& g, double orientationDeg,
                          AngleReference reference) {
    if (reference == AngleReference::None) {
        return;
    }
    Canvas& c = imagem2;
    c.setPenColor(Qt::black);
    c.setPenStyle(PenStyle::Solid);
    c.setPenWidth(1);
    // The face renders a request of 1 point at its smallest size, 8 points.
    c.setFontBold(true);
    c.setFontSize(1);
    c.setFontColor(Qt::black);
    c.setBrushColor(Qt::white);
    for (int a = 0; a <= 80; a += 10) {
        const int shown = reference == AngleReference::Interna ? 90 - a : a;
        const QPoint at = protractorLabelPosition(g, orientationDeg, a);
        c.textOut(at.x(), at.y(), QString::fromStdString(math::formatGeneral(shown)));
    }
}

}  // namespace chart
