#include "chart/ShadingMasks.h"

#include "canvas/Truncate.h"
#include "chart/ChartColours.h"
#include "chart/ChartRaster.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

double readAngle(const AngleBox& box) {
    return box.angle.value();
}

void drawFamilyCurves(Canvas& c, const ChartGeometry& g, const PairedAngles& angles,
                      double directionDeg) {
    for (const double e : {angles.e1, angles.e2}) {
        if (e < kFacadeCurveAngleDeg) {
            drawCircle(c, g.familyCircle(e, directionDeg));
        }
    }
}

void setPen(Canvas& c, const QColor& colour, int width) {
    c.setPenColor(colour);
    c.setPenStyle(PenStyle::Solid);
    c.setPenWidth(width);
}

void drawHorizon(Canvas& c, const ChartGeometry& g) {
    setPen(c, Qt::black, 1);
    c.setBrushStyle(BrushStyle::Clear);
    drawCentredCircle(c, g, g.chartRadius);
}

void drawRadius(Canvas& c, const ChartGeometry& g, double azimuthDeg) {
    drawLine(c, {g.chartCentreX, g.chartCentreY}, g.horizonPoint(azimuthDeg));
}

void drawBetaSide(Canvas& c, const ChartGeometry& g, const AnglePair& pair,
                  AngleReference reference, double orientationDeg, int side) {
    if (!pair.first.checked) {
        return;
    }
    const std::array<double, 2> directions = betaDirections(pair, reference, orientationDeg, side);
    setPen(c, Qt::black, 1);
    for (const double azimuth : directions) {
        drawRadius(c, g, azimuth);
    }
    setPen(c, kMaskGray, 3);
    for (const double azimuth : directions) {
        drawRadius(c, g, azimuth);
    }
}

}  // namespace

double externalAngle(double typedDeg, AngleReference reference) {
    return reference == AngleReference::Interna ? 90.0 - typedDeg : typedDeg;
}

PairedAngles pairAngles(const AnglePair& pair, AngleReference reference) {
    const double first = externalAngle(readAngle(pair.first), reference);
    if (!pair.second.checked) {
        return {first, 90.0};
    }
    const double second = externalAngle(readAngle(pair.second), reference);
    return {std::min(first, second), std::max(first, second)};
}

std::array<double, 2> betaDirections(const AnglePair& pair, AngleReference reference,
                                     double orientationDeg, int side) {
    const double b1 = externalAngle(readAngle(pair.first), reference);
    const double facadeEnd = orientationDeg + side * 90.0;
    if (!pair.second.checked) {
        return {facadeEnd, orientationDeg + side * b1};
    }
    const double b2 = externalAngle(readAngle(pair.second), reference);
    if (b1 == b2) {
        return {facadeEnd, orientationDeg + side * b1};
    }
    return {orientationDeg + side * b1, orientationDeg + side * b2};
}

void drawAlphaMask(Canvas& imagem3, const ChartGeometry& g, double orientationDeg,
                  const ChartInputs& inputs) {
    if (!inputs.alpha.first.checked) {
        return;
    }
    Canvas& c = imagem3;
    setPen(c, Qt::white, 1);
    c.setBrushColor(Qt::white);
    c.rectangle(0, 0, truncPx(2 * g.chartCentreX), truncPx(2 * g.chartCentreY));

    // The circles are filled white, which is transparent on this layer.
    const PairedAngles angles = pairAngles(inputs.alpha, inputs.reference);
    setPen(c, kMaskGray, 3);
    drawFamilyCurves(c, g, angles, orientationDeg);
    setPen(c, kMaskGray, 2);
    drawFacadeLine(c, g, orientationDeg);

    // The 89-degree circle covers everything behind a curve at most 1.7 px in
    // front of the façade line: the back halves of the alpha circles.
    setPen(c, Qt::white, 1);
    c.setBrushColor(Qt::white);
    drawCircle(c, g.familyCircle(kFacadeCurveAngleDeg, orientationDeg));
    setPen(c, Qt::black, 1);
    drawFacadeLine(c, g, orientationDeg);
    setPen(c, Qt::white, 1);
    c.setBrushColor(Qt::white);
}

void drawBetaMasks(Canvas& imagem3, const ChartGeometry& g, double orientationDeg,
                   const ChartInputs& inputs) {
    Canvas& c = imagem3;
    drawHorizon(c, g);
    drawBetaSide(c, g, inputs.betaRight, inputs.reference, orientationDeg, +1);
    drawHorizon(c, g);
    drawBetaSide(c, g, inputs.betaLeft, inputs.reference, orientationDeg, -1);
    c.setBrushColor(Qt::white);
}

void drawGammaMasks(Canvas& imagem3, const ChartGeometry& g, double orientationDeg,
                    const ChartInputs& inputs) {
    Canvas& c = imagem3;
    const bool right = inputs.gammaRight.first.checked;
    const bool left = inputs.gammaLeft.first.checked;
    if (right) {
        const PairedAngles angles = pairAngles(inputs.gammaRight, inputs.reference);
        setPen(c, kMaskGray, 3);
        c.setBrushStyle(BrushStyle::Clear);
        drawFamilyCurves(c, g, angles, orientationDeg + 90.0);
    }
    if (left) {
        const PairedAngles angles = pairAngles(inputs.gammaLeft, inputs.reference);
        setPen(c, kMaskGray, 3);
        c.setBrushStyle(BrushStyle::Clear);
        drawFamilyCurves(c, g, angles, orientationDeg - 90.0);
    }
    if (!right && !left) {
        return;
    }
    clearOutsideHorizon(c, g);
    setPen(c, kMaskGray, 2);
    drawFacadeLine(c, g, orientationDeg);
    drawHorizon(c, g);
    setPen(c, Qt::black, 1);
    drawFacadeLine(c, g, orientationDeg);

    // Everything behind the black façade line and inside the black horizon
    // becomes white, gray boundaries included.
    const double o = degToRad(orientationDeg);
    const double half = g.chartRadius / 2.0;
    c.setBrushColor(Qt::white);
    c.floodFill(truncPx(g.chartCentreX - half * std::sin(o)),
                truncPx(g.chartCentreY + half * std::cos(o)), Qt::black);
    setPen(c, Qt::white, 1);
    c.setBrushColor(Qt::white);
}

}  // namespace chart
