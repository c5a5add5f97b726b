// The window's commands as a user runs them, on a city with a full hourly
// file and a wind file in a temporary database. Goals on this machine,
// Release: the chart command with the temperature overlay of the second
// half-year (194 days) <= 8 ms, reported beside the same command without
// the overlay; the wind-rose command <= 2 ms.
#include "app/UZenita.h"
#include "widgets/Dialogs.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

class SilentDialogs : public Dialogs {
public:
    void show(MessageKind, const QString& text, const QString& details) override {
        std::fprintf(stderr, "message: %s %s\n", qPrintable(text), qPrintable(details));
    }
    bool askYesNo(const QString&, const QString&) override { return false; }
};

void writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return;
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A year of hourly lines with the temperature, global and direct radiation
// varying over the day and the year, to two decimals as the import writes.
std::string hourlyYear() {
    std::string bytes;
    char number[32];
    for (int i = 0; i < 8760; ++i) {
        const double hour = i % 24;
        const double day = i / 24;
        const double temp = 18.0 + 8.0 * std::sin((hour - 9.0) / 24.0 * 6.2832) +
                            6.0 * std::cos(day / 365.0 * 6.2832);
        const double sun = std::max(0.0, 1100.0 * std::sin((hour - 6.0) / 12.0 * 3.1416));
        bytes += std::to_string(1 + i / 744) + ',' + std::to_string(1 + (i / 24) % 31) + ',' +
                 std::to_string(i % 24);
        std::snprintf(number, sizeof number, ",%.2f", temp);
        bytes += number;
        for (int field = 4; field < 15; ++field) {
            bytes += ",0";
        }
        std::snprintf(number, sizeof number, ",%.0f,0,%.0f\r\n", sun, sun * 0.8);
        bytes += number;
    }
    return bytes;
}

std::string windFile() {
    std::string bytes;
    for (int line = 0; line < 20; ++line) {
        for (int s = 0; s < 4; ++s) {
            char number[16];
            std::snprintf(
                number, sizeof number, "%s%.2f", s ? "," : "",
                line < 8 ? 5.0 + 3.0 * ((line + s) % 7) : 1.0 + 0.75 * ((line * 3 + s) % 9));
            bytes += number;
        }
        bytes += "\r\n";
    }
    return bytes;
}

// A main window on the temporary database with its one city chosen.
struct WindowOnCity {
    WindowOnCity() {
        writeFile(dir.filePath("Latitudes.csv"), "Cidade_B,-27.6,b.csv,b.ventos.csv,48.5\r\n");
        QDir(dir.path()).mkpath(QStringLiteral("cidades"));
        writeFile(dir.filePath("cidades/b.csv"), hourlyYear());
        writeFile(dir.filePath("cidades/b.ventos.csv"), windFile());
        services.baseDirectory = dir.path();
        services.dialogs = &dialogs;
        form = std::make_unique<TFormZenita>(services);
        form->LoadCityList();
        form->controls().cmbCidades->setCurrentIndex(1);
        form->cmbCidadesChange();
    }
    QTemporaryDir dir;
    SilentDialogs dialogs;
    Services services;
    std::unique_ptr<TFormZenita> form;
};

void runChartCommand(benchmark::State& state, bool overlay) {
    WindowOnCity window;
    TFormZenita& form = *window.form;
    form.controls().ckPontos->setChecked(overlay);
    form.controls().cmbTipoDados->setCurrentIndex(0);
    form.controls().rgPeriodo->setCurrentIndex(1);
    for (auto _ : state) {
        form.plotarClick();
        benchmark::DoNotOptimize(form.controls().imagem4->canvas().image().constBits());
    }
}

void BM_WindowChartCommand(benchmark::State& state) {
    runChartCommand(state, false);
}
BENCHMARK(BM_WindowChartCommand)->Unit(benchmark::kMillisecond);

void BM_WindowChartCommandTemperatureOverlaySecondHalf(benchmark::State& state) {
    runChartCommand(state, true);
}
BENCHMARK(BM_WindowChartCommandTemperatureOverlaySecondHalf)->Unit(benchmark::kMillisecond);

void BM_WindowWindRoseCommand(benchmark::State& state) {
    WindowOnCity window;
    TFormZenita& form = *window.form;
    for (auto _ : state) {
        form.btnPlotarVentosClick();
        benchmark::DoNotOptimize(form.controls().imVentos->canvas().image().constBits());
    }
}
BENCHMARK(BM_WindowWindRoseCommand)->Unit(benchmark::kMillisecond);

}  // namespace
