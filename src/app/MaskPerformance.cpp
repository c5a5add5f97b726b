#include "app/MaskPerformance.h"

#include "chart/FreehandMask.h"
#include "climate/Windows1252.h"

#include <QFileInfo>

void MaskPerformance::chartDrawn(const scene::ChartRequest& request, const Canvas& masks) {
    Chart chart{request.city,
                request.chart.cityName,
                request.chart.latitudeText,
                request.chart.latitudeDeg,
                request.chart.protractor,
                request.chart.orientation.text(),
                {},
                Canvas(masks.width(), masks.height())};
    // A copy of its own: the hand draws on the layer from here on.
    chart.baseline.copyRect(0, 0, masks.width(), masks.height(), masks.image(), 0, 0, masks.width(),
                            masks.height());
    if (chart.protractor) {
        // The drawing has read these numbers already: they are numbers.
        chart.typed = chart::typedMasksOf(request.chart);
    }
    chart_ = std::move(chart);
}

void MaskPerformance::guidesDrawn(const chart::ChartGeometry& geometry, double orientationDeg) {
    if (chart_) {
        chart::drawMaskReferenceLines(chart_->baseline, geometry, orientationDeg);
    }
}

void MaskPerformance::chartCleared() {
    chart_.reset();
}

const MaskPerformance::Hours& MaskPerformance::hoursOf(const QString& path, const Chart& chart,
                                                       const chart::ChartGeometry& geometry) {
    const QFileInfo file(path);
    const double orientation = chart.typed.orientationDeg;
    if (!hours_ || hours_->path != path || hours_->modified != file.lastModified() ||
        hours_->size != file.size() || hours_->city != *chart.city ||
        hours_->latitudeDeg != chart.latitudeDeg || hours_->orientationDeg != orientation) {
        Hours fresh{
            path, file.lastModified(), file.size(), *chart.city, chart.latitudeDeg, orientation, {},
            {}};
        try {
            fresh.hours = shading::sunHoursInFront(
                shading::readHourlyClimate(path, *chart.city, chart.latitudeDeg), geometry,
                orientation);
        } catch (const shading::ShadingDataError& error) {
            fresh.failure = QString::fromUtf8(error.what());
        }
        hours_ = std::move(fresh);
    }
    return *hours_;
}

MaskPerformance::View MaskPerformance::evaluate(const QString& baseDirectory,
                                                const QImage& masksNow,
                                                const chart::ChartGeometry& geometry) {
    if (!chart_) {
        return {std::nullopt, QStringLiteral("Nenhuma carta desenhada: atualize a carta zenital "
                                             "para ver o desempenho da máscara.")};
    }
    const Chart& chart = *chart_;
    if (!chart.city) {
        return {std::nullopt, QStringLiteral("Escolha uma cidade com arquivo horário: os números "
                                             "contam as suas horas de sol.")};
    }
    if (!chart.city->hasHourlyFile()) {
        return {std::nullopt, QStringLiteral("A cidade %1 não tem arquivo horário: não há horas "
                                             "de sol para contar.")
                                  .arg(chart.cityName)};
    }
    const std::optional<QString> path = scene::hourlyFilePath(baseDirectory, *chart.city);
    if (!path) {
        return {std::nullopt,
                QStringLiteral("Arquivo %1 não encontrado!")
                    .arg(climate::cityFilePath(baseDirectory, chart.city->hourlyFile))};
    }
    if (!chart.protractor) {
        return {std::nullopt, QStringLiteral("Marque o Transferidor: os números são da fachada "
                                             "da orientação escolhida.")};
    }
    const Hours& hours = hoursOf(*path, chart, geometry);
    if (!hours.failure.isEmpty()) {
        return {std::nullopt, hours.failure};
    }
    const shading::MaskCoverage coverage(masksNow, chart.baseline.image(), chart.typed,
                                         geometry.projection());
    return {shading::tabulate(hours.hours, coverage),
            QStringLiteral("%1, latitude %2, fachada de orientação %3°")
                .arg(chart.cityName, chart.latitudeText, chart.orientationText)};
}
