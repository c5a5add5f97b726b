// The design sheet with every part: a bundled city's chart with the masks and
// the direct-radiation overlay, its legend, its wind rose with both tables,
// and a shading table of three periods by seven measures. Goal on this
// machine, Release: the whole export to PDF (chart, overlay and rose drawn,
// page laid out, PDF written) <= 300 ms; reported beside it, the layout and
// PDF alone and the 300 dpi PNG.
#include "app/HeadlessChart.h"
#include "output/DesignSheet.h"

#include <benchmark/benchmark.h>

#include <QBuffer>

namespace {

SheetSettings everyPart() {
    SheetSettings settings;
    settings.chart.city = QStringLiteral("Los_Angeles_Intl_Arpt");
    settings.chart.orientation = QStringLiteral("180");
    settings.chart.angles[0] = {QStringLiteral("30"), QStringLiteral("45")};
    settings.chart.angles[1] = {QStringLiteral("20"), QStringLiteral("50")};
    settings.chart.angles[4] = {QStringLiteral("40"), std::nullopt};
    settings.chart.overlayQuantity = 2;
    settings.chart.period = 1;
    settings.windMode = 0;
    return settings;
}

// A table the size of the shading numbers: periods 1, 2, ano by seven measures.
output::TextTable shadingTable() {
    output::TextTable table;
    table.title = QStringLiteral("Sombreamento");
    table.columnHeaders = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("ano")};
    table.rowHeaders = {"sol",
                        "classe 1",
                        "classe 2",
                        "classe 3",
                        "classe 4",
                        "classe 5",
                        QStringLiteral("radiação")};
    for (int r = 0; r < table.rowHeaders.size(); ++r) {
        table.cells.push_back({"1234 h 56.7 %", "1234 h 56.7 %", "2468 h 56.7 %"});
    }
    return table;
}

output::DesignSheet sheetWithEveryPart() {
    Services services;
    services.baseDirectory = QStringLiteral(ZENITA_SOURCE_DATA_DIR);
    output::DesignSheet sheet = designSheetHeadless(services, everyPart());
    sheet.shading = shadingTable();
    return sheet;
}

void BM_SheetToPdfEveryPart(benchmark::State& state) {
    for (auto _ : state) {
        const output::DesignSheet sheet = sheetWithEveryPart();
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!output::writeSheetPdf(sheet, pdf)) {
            state.SkipWithError("the PDF was not written");
        }
        benchmark::DoNotOptimize(pdf.data().size());
    }
}
BENCHMARK(BM_SheetToPdfEveryPart)->Unit(benchmark::kMillisecond);

void BM_SheetLayoutAndPdf(benchmark::State& state) {
    const output::DesignSheet sheet = sheetWithEveryPart();
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        output::writeSheetPdf(sheet, pdf);
        benchmark::DoNotOptimize(pdf.data().size());
    }
}
BENCHMARK(BM_SheetLayoutAndPdf)->Unit(benchmark::kMillisecond);

void BM_SheetPicture300Dpi(benchmark::State& state) {
    const output::DesignSheet sheet = sheetWithEveryPart();
    for (auto _ : state) {
        benchmark::DoNotOptimize(output::sheetPicture(sheet).constBits());
    }
}
BENCHMARK(BM_SheetPicture300Dpi)->Unit(benchmark::kMillisecond);

}  // namespace
