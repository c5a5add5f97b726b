#include "app/PrintCommands.h"

#include "math/numbers.h"
#include "output/PrintLayout.h"

namespace {

std::optional<scene::Warning> printPage(output::Printer& printer, const output::PrintPage& page) {
    switch (printer.print(page)) {
        case output::PrintOutcome::Printed:
            return std::nullopt;
        case output::PrintOutcome::NotStarted:
            return scene::Warning{QStringLiteral("Não foi possível iniciar a impressão."), {}};
        case output::PrintOutcome::Failed:
            break;
    }
    return scene::Warning{QStringLiteral("A impressão falhou e foi cancelada."), {}};
}

}  // namespace

std::optional<output::PrinterGeometry> printerGeometry(output::Printer* printer,
                                                       std::optional<scene::Warning>& warning) {
    std::optional<output::PrinterGeometry> page;
    if (printer) {
        page = printer->geometry();
    }
    if (!page) {
        warning = scene::Warning{QStringLiteral("Nenhuma impressora instalada."),
                                 QStringLiteral("Instale uma impressora para imprimir.")};
    }
    return page;
}

std::optional<scene::Warning> printChart(output::Printer* printer,
                                         const output::ChartLayers& layers,
                                         const std::optional<output::Pictograms>& pictograms,
                                         const std::string& radiusText) {
    const double radius = output::printRadiusCm(radiusText);
    std::optional<scene::Warning> warning;
    const auto geometry = printerGeometry(printer, warning);
    if (!geometry) {
        return warning;
    }
    const double largest = output::largestRadiusCm(geometry->printableDots, geometry->dotsPerCm);
    if (radius <= 0.0 || radius > largest) {
        return scene::Warning{
            QStringLiteral("Raio inválido para impressão: %1 cm.")
                .arg(QString::fromStdString(radiusText)),
            QStringLiteral("Informe um raio maior que 0 e de no máximo %1 cm, que cabe na página.")
                .arg(QString::fromStdString(math::formatFixed2(largest)))};
    }
    const QImage composed = output::composeChart(layers, std::nullopt);
    const double scale = output::printScale(radius, geometry->dotsPerCm);
    return printPage(*printer, output::chartPage(composed, pictograms, scale));
}

std::optional<scene::Warning> printWindRose(output::Printer* printer, const QImage& rose) {
    std::optional<scene::Warning> warning;
    const auto geometry = printerGeometry(printer, warning);
    if (!geometry) {
        return warning;
    }
    return printPage(*printer, output::windRosePage(rose, geometry->dotsPerCm));
}
