// The shading numbers of a drawn chart: goal <= 5 ms for the whole year of a
// bundled city (Los Angeles, its own time zone) under typed masks of every
// kind and a hand-drawn fill, Release build. The file is read once, as the
// window keeps it between chart commands. The window also keeps the hours of
// sun in front of the façade while the city and the orientation stay: after
// a stroke of the hand only the mask layer is read again.
#include "chart/ChartDrawing.h"
#include "chart/FreehandMask.h"
#include "scene/ChartScene.h"
#include "shading/ShadingNumbers.h"

#include <benchmark/benchmark.h>

namespace {

chart::AnglePair pair(const char* first, const char* second) {
    return {{true, chart::TypedNumber::parse(QString::fromLatin1(first))},
            {true, chart::TypedNumber::parse(QString::fromLatin1(second))}};
}

struct DrawnScene {
    DrawnScene() {
        const climate::CityIndexEntry city{
            "Los_Angeles_Intl_Arpt", "33.93", "los_angeles_intl_arpt.csv", "s/a", "118.4", -8.0};
        year = shading::readHourlyClimate(
            QStringLiteral(ZENITA_SOURCE_DATA_DIR "/cidades/los_angeles_intl_arpt.csv"), city,
            33.93);
        inputs.latitudeDeg = 33.93;
        inputs.protractor = true;
        inputs.orientation = chart::TypedNumber::parse(QStringLiteral("200"));
        inputs.reference = chart::AngleReference::Externa;
        inputs.alpha = pair("40", "70");
        inputs.betaRight = pair("30", "60");
        inputs.gammaLeft = pair("35", "35");
        chart::drawChart(layers.canvases(), g, inputs);
        baseline = layers.masks.image().copy();
        chart::drawMaskSegment(layers.masks, {230, 230}, {120, 400});
        chart::fillMask(layers.masks, {150, 300}, chart::MaskFill::Partial);
    }
    shading::MaskCoverage coverage() const {
        return {layers.masks.image(), baseline, chart::typedMasksOf(inputs), g.projection()};
    }

    shading::HourlyClimate year;
    chart::ChartInputs inputs;
    scene::ChartLayers layers;
    chart::ChartGeometry g = chart::ChartGeometry::forImage(460, 460);
    QImage baseline;
};

void BM_ShadingNumbersOfAYear(benchmark::State& state) {
    const DrawnScene drawn;
    for (auto _ : state) {
        const shading::ShadingTable table =
            shading::shadingTable(drawn.year, drawn.g, drawn.coverage());
        benchmark::DoNotOptimize(table.cells.data());
    }
}
BENCHMARK(BM_ShadingNumbersOfAYear)->Unit(benchmark::kMillisecond);

void BM_ShadingNumbersAfterAStroke(benchmark::State& state) {
    const DrawnScene drawn;
    const std::vector<shading::SunHour> hours =
        shading::sunHoursInFront(drawn.year, drawn.g, 200.0);
    for (auto _ : state) {
        const shading::ShadingTable table = shading::tabulate(hours, drawn.coverage());
        benchmark::DoNotOptimize(table.cells.data());
    }
}
BENCHMARK(BM_ShadingNumbersAfterAStroke)->Unit(benchmark::kMillisecond);

}  // namespace
