// Print, copy and compare: the pictures of the view that shows go to the
// printer (at a radius in centimetres true on any printer), to the clipboard,
// or side by side into the compare dialog.
#include "app/UZenita.h"

#include "app/ChartPicture.h"
#include "math/numbers.h"
#include "output/Clipboard.h"
#include "output/PrintLayout.h"
#include "widgets/Dialogs.h"

namespace {

QString radiusText(double radiusCm) {
    return QString::fromStdString(math::formatFixed2(radiusCm));
}

}  // namespace

void TFormZenita::connectOutputHandlers() {
    bind(Imprimir1, &QAction::triggered, &TFormZenita::Imprimir1Click);
    bind(Copiar1, &QAction::triggered, &TFormZenita::Copiar1Click);
    bind(Comparar1, &QAction::triggered, &TFormZenita::Comparar1Click);
}

std::optional<output::PrinterGeometry> TFormZenita::printerOrWarn() {
    std::optional<output::PrinterGeometry> page;
    if (services_.printer) {
        page = services_.printer->geometry();
    }
    if (!page) {
        services_.dialogs->show(MessageKind::Warning,
                                QStringLiteral("Nenhuma impressora instalada."),
                                QStringLiteral("Instale uma impressora para imprimir."));
    }
    return page;
}

void TFormZenita::printPage(const output::PrintPage& page) {
    switch (services_.printer->print(page)) {
        case output::PrintOutcome::Printed:
            break;
        case output::PrintOutcome::NotStarted:
            services_.dialogs->show(MessageKind::Warning,
                                    QStringLiteral("Não foi possível iniciar a impressão."));
            break;
        case output::PrintOutcome::Failed:
            services_.dialogs->show(MessageKind::Warning,
                                    QStringLiteral("A impressão falhou e foi cancelada."));
            break;
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
    const double radius = output::printRadiusCm(text);
    const auto printer = printerOrWarn();
    if (!printer) {
        return;
    }
    const double largest = output::largestRadiusCm(printer->printableDots, printer->dotsPerCm);
    if (radius <= 0.0 || radius > largest) {
        services_.dialogs->show(
            MessageKind::Warning,
            QStringLiteral("Raio inválido para impressão: %1 cm.").arg(QString::fromStdString(text)),
            QStringLiteral("Informe um raio maior que 0 e de no máximo %1 cm, que cabe na página.")
                .arg(radiusText(largest)));
        return;
    }
    const QImage layers = output::composeChart(
        {imagem->canvas().image(), imagem4->canvas().image(), imagem2->canvas().image(),
         imagem3->canvas().image()},
        std::nullopt);
    const double scale = output::printScale(radius, printer->dotsPerCm);
    printPage(output::chartPage(layers, referencePictograms(rgAngulos->currentIndex()), scale));
}

void TFormZenita::PrintWindRose() {
    const auto printer = printerOrWarn();
    if (!printer) {
        return;
    }
    printPage(output::windRosePage(imVentos->canvas().image(), printer->dotsPerCm));
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
    dlgDupla->dupla->update();
    dlgDupla->exec();
}
