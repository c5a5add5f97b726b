// Raster operations the charts lean on.
#include "canvas/Canvas.h"

#include <benchmark/benchmark.h>

static void BM_FloodFillWholeImage(benchmark::State& state) {
    Canvas canvas(460, 460);
    canvas.setPenColor(Qt::black);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.ellipse(38, 38, 422, 422);
    canvas.setBrushColor(Qt::white);
    for (auto _ : state) {
        canvas.floodFill(230, 230, Qt::black);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_FloodFillWholeImage);
