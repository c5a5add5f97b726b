// The chart command's drawing: the four layers cleared as the reset leaves
// them, then the chart from its inputs. Goal on this machine, Release:
// <= 2 ms with the protractor and the three masks.
#include "canvas/Canvas.h"
#include "chart/ChartDrawing.h"
#include "scene/ChartScene.h"

#include <benchmark/benchmark.h>

namespace {

chart::AnglePair pair(const char* first, const char* second) {
    return {{true, chart::TypedNumber::parse(QString::fromLatin1(first))},
            {true, chart::TypedNumber::parse(QString::fromLatin1(second))}};
}

void runChart(benchmark::State& state, const chart::ChartInputs& inputs) {
    scene::ChartLayers layers;
    const chart::ChartGeometry g = chart::ChartGeometry::forImage(460, 460);
    for (auto _ : state) {
        for (Canvas* c : {&layers.base, &layers.overlay, &layers.protractor, &layers.masks}) {
            c->clear();
        }
        chart::drawChart(layers.canvases(), g, inputs);
        benchmark::DoNotOptimize(layers.base.image().constBits());
        benchmark::DoNotOptimize(layers.masks.image().constBits());
    }
}

chart::ChartInputs pathsOnly() {
    chart::ChartInputs inputs;
    inputs.latitudeDeg = -27.6;
    inputs.latitudeText = QStringLiteral("-27.6");
    inputs.sunPaths = true;
    inputs.protractor = false;
    return inputs;
}

void BM_ChartWithPaths(benchmark::State& state) {
    runChart(state, pathsOnly());
}
BENCHMARK(BM_ChartWithPaths)->Unit(benchmark::kMillisecond);

void BM_ChartWithProtractorAndMasks(benchmark::State& state) {
    chart::ChartInputs inputs = pathsOnly();
    inputs.protractor = true;
    inputs.orientation = chart::TypedNumber::parse(QStringLiteral("30"));
    inputs.alpha = pair("20", "50");
    inputs.betaRight = pair("30", "50");
    inputs.betaLeft = pair("20", "60");
    inputs.gammaRight = pair("30", "60");
    inputs.gammaLeft = pair("20", "45");
    runChart(state, inputs);
}
BENCHMARK(BM_ChartWithProtractorAndMasks)->Unit(benchmark::kMillisecond);

// A latitude a hair away from minus a declination: the near-straight path.
void BM_ChartNearStraightPath(benchmark::State& state) {
    chart::ChartInputs inputs = pathsOnly();
    inputs.latitudeDeg = -10.3132;
    runChart(state, inputs);
}
BENCHMARK(BM_ChartNearStraightPath)->Unit(benchmark::kMillisecond);

}  // namespace
