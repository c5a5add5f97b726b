// The readout under the pointer. Goal on this machine, Release: updating the
// readout on a pointer move <= 0.2 ms, with the overlay, the protractor and
// masks on, including the first move after a chart, which lays out the discs
// for the lookup. The window's move goes through the mask layer's own mouse
// handling and sets the panel's text; it draws nothing.
#include "app/ChartReadoutBar.h"
#include "app/UZenita.h"
#include "scene/ChartReadout.h"
#include "widgets/Dialogs.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include <cmath>
#include <memory>

namespace {

// A sweep of pointer positions across the chart, most inside the horizon.
QPoint sweep(std::size_t i) {
    const double t = static_cast<double>(i % 997) / 997.0;
    return {static_cast<int>(40 + 380 * t), static_cast<int>(230 + 180 * std::sin(t * 37.0))};
}

chart::AngleBox box(const char* typed) {
    return {true, chart::TypedNumber::parse(QString::fromUtf8(typed))};
}

// The second half-year of temperatures at -27.6 with a façade at 30° and
// three masks: the scene a readout works on.
scene::ChartRequest busyRequest() {
    scene::ChartRequest request;
    chart::ChartInputs& in = request.chart;
    in.latitudeDeg = -27.6;
    in.orientation = chart::TypedNumber::parse(QStringLiteral("30"));
    in.overlayShown = true;
    in.alpha.first = box("45");
    in.betaLeft.first = box("70");
    in.gammaRight.first = box("60");
    request.city = climate::CityIndexEntry{"C", "-27.6", "c.csv", "s/a", "48.5", -3.0};
    request.periodItem = 1;
    scene::OverlaySource source;
    source.inputs = {-27.6, 48.5, 1, overlay::Quantity::Temperature, 45.0};
    source.column.resize(8760);
    for (std::size_t i = 0; i < source.column.size(); ++i) {
        source.column[i] = {climate::HourlyValue::Kind::Number,
                            18.0 + 8.0 * std::sin(static_cast<double>(i % 24) / 3.82)};
    }
    request.overlay = source;
    return request;
}

void BM_ReadoutOfAPointerPosition(benchmark::State& state) {
    scene::ChartLayers layers;
    const scene::ChartScene drawn = scene::renderChart(busyRequest(), layers.canvases());
    const scene::ChartReadout readout(drawn, &layers.masks);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readout.at(sweep(i++)).text());
    }
}
BENCHMARK(BM_ReadoutOfAPointerPosition)->Unit(benchmark::kMicrosecond);

// The first move after a chart: the discs laid out for the lookup, then read.
void BM_ReadoutFirstMoveAfterAChart(benchmark::State& state) {
    scene::ChartLayers layers;
    const scene::ChartScene drawn = scene::renderChart(busyRequest(), layers.canvases());
    state.counters["discs"] = static_cast<double>(drawn.sunPositions.size());
    std::size_t i = 0;
    for (auto _ : state) {
        const scene::ChartReadout readout(drawn, &layers.masks);
        benchmark::DoNotOptimize(readout.at(sweep(i++)).text());
    }
}
BENCHMARK(BM_ReadoutFirstMoveAfterAChart)->Unit(benchmark::kMicrosecond);

class QuietDialogs : public Dialogs {
public:
    void show(MessageKind, const QString&, const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
};

// The window on the database that ships, a city with an hourly file chosen,
// its overlay, a façade and an alfa mask drawn; pointer moves over the mask
// layer as the platform delivers them.
void BM_WindowPointerMoveOverTheChart(benchmark::State& state) {
    QuietDialogs dialogs;
    Services services;
    services.baseDirectory = QStringLiteral(ZENITA_SOURCE_DATA_DIR);
    services.dialogs = &dialogs;
    TFormZenita form(services);
    form.LoadCityList();
    ZenitaControls& c = form.controls();
    c.cmbCidades->setCurrentIndex(c.cmbCidades->findText(QStringLiteral("Bologna_Marconi_AP")));
    form.cmbCidadesChange();
    c.ckPontos->setChecked(true);
    c.editOrient->setText(QStringLiteral("150"));
    c.Alfa1Check->setChecked(true);
    c.editAlfa1->setText(QStringLiteral("40"));
    form.plotarClick();
    if (form.chartScene().sunPositions.empty()) {
        state.SkipWithError("no overlay drawn");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const QPointF p(sweep(i++));
        QMouseEvent move(QEvent::MouseMove, p, c.imagem3->mapToGlobal(p), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(c.imagem3, &move);
    }
    benchmark::DoNotOptimize(form.readoutBar().label()->text());
}
BENCHMARK(BM_WindowPointerMoveOverTheChart)->Unit(benchmark::kMicrosecond);

}  // namespace
