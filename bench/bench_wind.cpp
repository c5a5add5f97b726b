// The whole wind rose from its value table: goal <= 2 ms, Release build.
#include "wind/WindRose.h"

#include <benchmark/benchmark.h>

namespace {

void BM_WholeWindRose(benchmark::State& state) {
    // Speeds in m/s times the mode factor 5, some past the frame, some zero.
    wind::WindValueTable values{{{3, 2.5, 4, 1},
                                 {5, 6, 2, 3},
                                 {2, 2, 2, 2},
                                 {10, 8, 6, 4},
                                 {1, 0, 0.05, 12},
                                 {4, 4.5, 3, 3.5},
                                 {6, 7, 8, 9},
                                 {0.5, 1, 1.5, 2}}};
    for (auto& direction : values) {
        for (double& v : direction) {
            v *= 5.0;
        }
    }
    const wind::WindGeometry centre = wind::WindGeometry::forImage(460, 460);
    Canvas canvas;
    for (auto _ : state) {
        canvas.clear();
        wind::drawWindRose(canvas, centre, values, 0);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_WholeWindRose)->Unit(benchmark::kMillisecond);

}  // namespace
