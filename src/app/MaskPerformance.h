// What the window "Desempenho da máscara" shows for the chart last drawn: its
// shading numbers, or why there are none.
//
// It keeps what the chart command drew the numbers from: the city, the
// latitude, the typed masks and the mask layer before any hand drawing (the
// guides of "Desenhar reta" added when they are drawn). The city's year and
// its hours of sun in front of the façade are read once per file and
// orientation, so a chart command or a stroke of the hand costs only the
// reading of the mask layer.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"
#include "scene/ChartRequest.h"
#include "shading/ShadingNumbers.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class MaskPerformance {
public:
    // The chart command drew the request; `masks` is its mask layer as drawn.
    void chartDrawn(const scene::ChartRequest& request, const Canvas& masks);
    // The guides of "Desenhar reta" went onto the mask layer: they mask nothing.
    void guidesDrawn(const chart::ChartGeometry& geometry, double orientationDeg);
    // The window reset blanked the chart.
    void chartCleared();

    struct View {
        std::optional<shading::ShadingTable> table;
        // With a table, the chart it is of; without, why there is none.
        QString text;
    };
    // The numbers under the mask layer as it stands now.
    View evaluate(const QString& baseDirectory, const QImage& masksNow,
                  const chart::ChartGeometry& geometry);

private:
    struct Chart {
        std::optional<climate::CityIndexEntry> city;
        QString cityName;
        QString latitudeText;
        double latitudeDeg = 0.0;
        bool protractor = false;
        QString orientationText;
        chart::TypedMasks typed;
        Canvas baseline;
    };
    // The hours of a file's year in front of a façade, or why it gave none.
    struct Hours {
        QString path;
        QDateTime modified;
        qint64 size = 0;
        climate::CityIndexEntry city;
        double latitudeDeg = 0.0;
        double orientationDeg = 0.0;
        std::vector<shading::SunHour> hours;
        QString failure;
    };
    const Hours& hoursOf(const QString& path, const Chart& chart,
                         const chart::ChartGeometry& geometry);

    std::optional<Chart> chart_;
    std::optional<Hours> hours_;
};
