// The hourly overlay as the chart command draws it, the temperature overlay
// of the second half-year (194 days) from an 8760-line column, Release build:
// goal <= 4 ms for the overlay alone, reported beside the same with the path
// marks and the path labels.
#include "overlay/HourlyOverlay.h"
#include "overlay/PathLabels.h"
#include "overlay/PathMarks.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

climate::HourlyColumn yearOfTemperatures() {
    climate::HourlyColumn column(8760);
    for (std::size_t i = 0; i < column.size(); ++i) {
        const double hour = static_cast<double>(i % 24);
        const double day = static_cast<double>(i / 24);
        column[i] = {climate::HourlyValue::Kind::Number,
                     18.0 + 8.0 * std::sin((hour - 9.0) / 24.0 * 6.2832) +
                         6.0 * std::cos(day / 365.0 * 6.2832)};
    }
    return column;
}

const chart::ChartGeometry kChart = chart::ChartGeometry::forImage(460, 460);
constexpr double kLatitude = -27.6;
constexpr double kLongitude = 48.5;
constexpr int kSecondHalf = 1;

void drawTemperatures(Canvas& canvas, const climate::HourlyColumn& column) {
    overlay::drawHourlyPoints(
        canvas, kChart, column,
        {kLatitude, kLongitude, kSecondHalf, overlay::Quantity::Temperature, 45.0});
}

void BM_OverlayMarksAndLabelsSecondHalf(benchmark::State& state) {
    const climate::HourlyColumn column = yearOfTemperatures();
    Canvas canvas;
    for (auto _ : state) {
        canvas.clear();
        drawTemperatures(canvas, column);
        overlay::drawPathMarks(canvas, kChart, {kLatitude, kSecondHalf, true});
        overlay::drawPathLabels(canvas, kChart, {kLatitude, true, true, kSecondHalf});
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_OverlayMarksAndLabelsSecondHalf)->Unit(benchmark::kMillisecond);

void BM_OverlayOnlySecondHalf(benchmark::State& state) {
    const climate::HourlyColumn column = yearOfTemperatures();
    Canvas canvas;
    for (auto _ : state) {
        canvas.clear();
        drawTemperatures(canvas, column);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_OverlayOnlySecondHalf)->Unit(benchmark::kMillisecond);

// Without the overlay the chart still gets its date and hour labels.
void BM_PathLabelsOnly(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        canvas.clear();
        overlay::drawPathLabels(canvas, kChart, {kLatitude, false, true, 0});
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_PathLabelsOnly)->Unit(benchmark::kMillisecond);

}  // namespace
