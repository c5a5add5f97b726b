// Print, copy and compare: the pictures of the view that shows go to the
// printer (at a radius in centimetres true on any printer), to the clipboard,
// or side by side into the compare dialog.
#include "app/UZenita.h"

#include "app/ChartPicture.h"
#include "app/PrintCommands.h"
#include "math/numbers.h"
#include "output/Clipboard.h"
#include "output/PrintLayout.h"
#include "widgets/Dialogs.h"

void TFormZenita::connectOutputHandlers() {
    bind(Imprimir1, &QAction::triggered, &TFormZenita::Imprimir1Click);
    bind(Copiar1, &QAction::triggered, &TFormZenita::Copiar1Click);
    bind(Comparar1, &QAction::triggered, &TFormZenita::Comparar1Click);
}

std::optional<output::PrinterGeometry> TFormZenita::printerOrWarn() {
    std::optional<scene::Warning> warning;
    auto geometry = printerGeometry(services_.printer, warning);
    showWarning(warning);
    return geometry;
}

void TFormZenita::showWarning(const std::optional<scene::Warning>& warning) {
    if (warning) {
        services_.dialogs->show(MessageKind::Warning, warning->text, warning->details);
    }
}

void TFormZenita::Imprimir1Click() {
    if (!chartViewShown()) {
        PrintWindRose();
        return;
    }
    const auto printer = printerOrWarn();
    if (!printer) {
        return;
    }
    if (dlgRaioCarta) {
        dlgRaioCarta->setLargestRadiusCm(
            output::largestRadiusCm(printer->printableDots, printer->dotsPerCm));
        dlgRaioCarta->exec();
    }
    PrintChart();
}

void TFormZenita::PrintChart() {
    const std::string text = dlgRaioCarta ? dlgRaioCarta->editRaio->text().toStdString() : "";
    showWarning(printChart(services_.printer, chartLayers(),
                           referencePictograms(rgAngulos->currentIndex()), text));
}

void TFormZenita::PrintWindRose() {
    showWarning(printWindRose(services_.printer, imVentos->canvas().image()));
}

output::ChartLayers TFormZenita::chartLayers() const {
    return {imagem->canvas().image(), imagem4->canvas().image(), imagem2->canvas().image(),
            imagem3->canvas().image()};
}

void TFormZenita::CopyChart() {
    Canvas& work = imagemCompleta->canvas();
    work.stretchDraw(0, 0, work.width(), work.height(), composeChartPicture(*this));
    if (services_.clipboard) {
        services_.clipboard->setImage(work.image());
    }
}

void TFormZenita::CopyWindRose() {
    Canvas& work = imagemCompleta->canvas();
    const QImage& rose = imVentos->canvas().image();
    work.stretchDraw(0, 0, rose.width(), rose.height(), rose);
    if (services_.clipboard) {
        services_.clipboard->setImage(work.image());
    }
}

void TFormZenita::Copiar1Click() {
    if (chartViewShown()) {
        CopyChart();
    } else {
        CopyWindRose();
    }
}

void TFormZenita::Comparar1Click() {
    if (!dlgDupla) {
        return;
    }
    Canvas& dupla = dlgDupla->dupla->canvas();
    dupla.setCopyMode(CopyMode::Whiteness);
    dupla.copyRect(0, 0, dupla.width(), dupla.height(), dupla.image(), 0, 0, dupla.width(),
                   dupla.height());
    dupla.setCopyMode(CopyMode::Source);
    const int w = dupla.width();
    const int h = dupla.height();
    CopyChart();
    dupla.stretchDraw(0, 0, w / 2, h, imagemCompleta->canvas().image());
    dupla.stretchDraw(w / 2, 0, w, h, imVentos->canvas().image());
    dlgDupla->dupla->refresh();
    dlgDupla->exec();
}
