#include "chart/SunPathChart.h"

#include "canvas/Truncate.h"
#include "chart/AnnotationBlock.h"
#include "chart/ChartColours.h"
#include "chart/ChartRaster.h"
#include "math/numbers.h"

#include <array>
#include <cmath>

namespace chart {

Circle hourCircle(const ChartGeometry& g, double latitudeDeg, double hour) {
    const double phi = degToRad(latitudeDeg);
    const double h = degToRad((hour - 12.0) * 15.0);
    const double r = g.chartRadius;
    return {g.chartCentreX + r * (std::cos(h) / std::sin(h)) / std::cos(phi),
            g.chartCentreY + r * std::tan(phi), r / (std::abs(std::sin(h)) * std::cos(phi))};
}

DatePath datePath(const ChartGeometry& g, double latitudeDeg, double declinationRad) {
    const double phi = degToRad(latitudeDeg);
    const double delta = declinationRad;
    const double r = g.chartRadius;
    // Offset of the noon point toward north.
    const double noonOffset = -r * std::tan((phi - delta) / 2.0);
    const double s = std::sin(phi) + std::sin(delta);
    DatePath path;
    if (s == 0.0) {
        // The east-west line through the zenith: a point at the centre.
        path.circle = {g.chartCentreX, g.chartCentreY - noonOffset, 0.0};
        return path;
    }
    const double signedRadius = r * std::cos(delta) / s;
    const double radius = std::abs(signedRadius);
    if (!(radius <= kStraightPathRadiusPx)) {
        path.straight = true;
        path.lineY = g.chartCentreY - noonOffset;
        return path;
    }
    path.circle = {g.chartCentreX, g.chartCentreY - (signedRadius + noonOffset), radius};
    return path;
}

void drawAxes(Canvas& imagem, const ChartGeometry& g) {
    const double cx = g.chartCentreX;
    const double cy = g.chartCentreY;
    const double r = g.chartRadius;
    imagem.setPenColor(Qt::black);
    imagem.setPenStyle(PenStyle::Solid);
    imagem.setPenWidth(1);
    drawLine(imagem, {cx, cy - r}, {cx, cy + r});
    drawLine(imagem, {cx - r, cy}, {cx + r, cy});
}

namespace {

void drawAltitudeCircles(Canvas& c, const ChartGeometry& g) {
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenColor(Qt::black);
    c.setPenStyle(PenStyle::Dot);
    c.setPenWidth(1);
    for (const double radius : g.altitudeRadii) {
        drawCentredCircle(c, g, radius);
    }
}

void drawHourCircles(Canvas& c, const ChartGeometry& g, double latitudeDeg) {
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenColor(kHourCircleBlue);
    c.setPenWidth(2);
    c.setPenStyle(PenStyle::Solid);
    for (const double hour : kHourTable) {
        drawCircle(c, hourCircle(g, latitudeDeg, hour));
    }
}

void drawDatePaths(Canvas& c, const ChartGeometry& g, double latitudeDeg) {
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenColor(Qt::black);
    c.setPenWidth(2);
    c.setPenStyle(PenStyle::Solid);
    for (const double declination : kDeclinationTable) {
        const DatePath path = datePath(g, latitudeDeg, declination);
        if (path.straight) {
            const double reach = 2.0 * g.chartRadius;
            drawLine(c, {g.chartCentreX - reach, path.lineY}, {g.chartCentreX + reach, path.lineY});
        } else {
            drawCircle(c, path.circle);
        }
    }
}

// Erases the hour circles beyond the outermost paths: every pixel that is not
// black, connected to a point just inside the horizon beside the north or the
// south point; the north-south axis splits each region, hence two seeds.
void clearBeyondExtremePaths(Canvas& c, const ChartGeometry& g) {
    const double cx = g.chartCentreX;
    const double cy = g.chartCentreY;
    const double r = g.chartRadius;
    c.setBrushColor(Qt::white);
    const std::array<QPoint, 4> seeds{
        QPoint(truncPx(cx - 2), truncPx(cy + r - 2)), QPoint(truncPx(cx + 2), truncPx(cy + r - 2)),
        QPoint(truncPx(cx - 2), truncPx(cy - r + 2)), QPoint(truncPx(cx + 2), truncPx(cy - r + 2))};
    c.floodFill(seeds, Qt::black);
}

// One dotted ray for every 10 degrees that is not a multiple of 90; they run
// past the horizon and are cut there by the clearing that follows.
void drawAzimuthRays(Canvas& c, const ChartGeometry& g) {
    c.setPenColor(Qt::black);
    c.setPenStyle(PenStyle::Dot);
    c.setPenWidth(0);
    const double length = g.chartRadius + 10.0;
    for (int a = 10; a < 360; a += 10) {
        if (a % 90 == 0) {
            continue;
        }
        const double rad = degToRad(a);
        drawLine(
            c, {g.chartCentreX, g.chartCentreY},
            {g.chartCentreX + length * std::cos(rad), g.chartCentreY + length * std::sin(rad)});
    }
}

void drawHorizon(Canvas& c, const ChartGeometry& g) {
    c.setPenColor(Qt::black);
    c.setPenStyle(PenStyle::Solid);
    c.setPenWidth(1);
    c.setBrushStyle(BrushStyle::Clear);
    drawCentredCircle(c, g, g.chartRadius);
}

void text(Canvas& c, double x, double y, const QString& s) {
    c.textOut(truncPx(x), truncPx(y), s);
}

}  // namespace

void drawSunPathChart(Canvas& imagem, const ChartGeometry& g, double latitudeDeg, bool sunPaths) {
    drawAxes(imagem, g);
    drawAltitudeCircles(imagem, g);
    if (sunPaths) {
        drawHourCircles(imagem, g, latitudeDeg);
        drawDatePaths(imagem, g, latitudeDeg);
    }
    clearBeyondExtremePaths(imagem, g);
    drawAzimuthRays(imagem, g);
    clearOutsideHorizon(imagem, g);
    drawHorizon(imagem, g);
}

void drawChartLabels(Canvas& imagem, const ChartGeometry& g, const ChartInputs& inputs) {
    const double cx = g.chartCentreX;
    const double cy = g.chartCentreY;
    const double r = g.chartRadius;
    imagem.setFontColor(Qt::black);
    imagem.setFontBold(true);
    imagem.setFontSize(14);
    text(imagem, cx - 8, cy - r - 38, QStringLiteral("N"));
    text(imagem, cx + r + 21, cy - 11, QStringLiteral("L"));
    text(imagem, cx - 5, cy + r + 15, QStringLiteral("S"));
    text(imagem, cx - r - 38, cy - 11, QStringLiteral("O"));

    imagem.setFontSize(8);
    text(imagem, cx - 5, cy - r - 15, QStringLiteral("0"));
    text(imagem, cx + r + 2, cy - 5, QStringLiteral("90"));
    text(imagem, cx - 10, cy + r + 5, QStringLiteral("180"));
    text(imagem, cx - r - 23, cy - 5, QStringLiteral("270"));

    // Altitude labels midway between the k and the k + 10 degree circles on
    // the southern radius: zenith distances with "Interna", altitudes with
    // "Externa".
    if (inputs.reference != AngleReference::None) {
        for (int k = 10; k <= 70; k += 20) {
            const auto i = static_cast<std::size_t>(k / 10);
            const double y = cy + (g.altitudeRadii[i] + g.altitudeRadii[i + 1]) / 2.0;
            const int shown = inputs.reference == AngleReference::Interna ? 90 - k : k;
            text(imagem, cx, y, QString::fromStdString(math::formatGeneral(shown)));
        }
    }
    drawAnnotationBlock(imagem, inputs);
}

}  // namespace chart
