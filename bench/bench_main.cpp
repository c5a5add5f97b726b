// main() of the benchmarks: a QApplication on the offscreen platform, so
// drawing and fonts work without a display. Started with the start-up probe's
// option it is that probe instead (StartupProbe.h).
#include "StartupProbe.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <clocale>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc > 1 && argv[1] == kStartupProbeOption) {
        return runStartupProbe(argc, argv);
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
