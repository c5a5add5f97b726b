// Four white chart layers and the default geometry, for drawing the chart
// from its inputs without a window.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartDrawing.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartInputs.h"

#include <QColor>
#include <QImage>
#include <QPoint>

#include <cmath>
#include <numbers>

struct ChartTestLayers {
    Canvas base{460, 460};
    Canvas overlay{460, 460};
    Canvas protractor{460, 460};
    Canvas masks{460, 460};
    chart::ChartGeometry g = chart::ChartGeometry::forImage(460, 460);

    chart::ChartCanvases canvases() { return {base, overlay, protractor, masks}; }
    void draw(const chart::ChartInputs& inputs) { chart::drawChart(canvases(), g, inputs); }
};

inline chart::ChartInputs chartAt(double latitudeDeg) {
    chart::ChartInputs inputs;
    inputs.latitudeDeg = latitudeDeg;
    inputs.latitudeText = QString::number(latitudeDeg);
    inputs.protractor = false;
    return inputs;
}

inline chart::TypedNumber typed(const char* text) {
    return chart::TypedNumber::parse(QString::fromUtf8(text));
}
inline chart::AngleBox checkedBox(const char* text) {
    return {true, typed(text)};
}
inline chart::AnglePair onePair(const char* first) {
    return {checkedBox(first), {}};
}
inline chart::AnglePair twoPair(const char* first, const char* second) {
    return {checkedBox(first), checkedBox(second)};
}

// The point of the chart at an azimuth (clockwise from north) and a distance
// from the centre, truncated.
inline QPoint chartPoint(const chart::ChartGeometry& g, double azimuthDeg, double distance) {
    const double a = azimuthDeg * std::numbers::pi / 180.0;
    return {static_cast<int>(g.chartCentreX + distance * std::sin(a)),
            static_cast<int>(g.chartCentreY - distance * std::cos(a))};
}

// Distance of a pixel's centre from the chart centre: the horizon's pixels
// (columns and rows 38 to 421) lie about 191.5 from it.
inline double pixelDistance(const chart::ChartGeometry& g, int x, int y) {
    return std::hypot(x + 0.5 - g.chartCentreX, y + 0.5 - g.chartCentreY);
}

// True when some pixel within `radius` of p has the colour.
inline bool colourNear(const QImage& image, QPoint p, const QColor& colour, int radius = 2) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (image.rect().contains(q) &&
                (image.pixel(q) & 0xFFFFFFu) == (colour.rgb() & 0xFFFFFFu)) {
                return true;
            }
        }
    }
    return false;
}
