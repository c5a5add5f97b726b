// The main window's shell: creation, activation, the two views, About,
// closing, and the window reset that blanks both views.
#include "app/UZenita.h"

#include "canvas/Truncate.h"

void TFormZenita::FormCreate() {
    chartGeometry_ =
        chart::ChartGeometry::forImage(imagem->canvas().width(), imagem->canvas().height());
    windCentreX_ = static_cast<double>(imVentos->canvas().width() / 2);
    windCentreY_ = static_cast<double>(imVentos->canvas().height() / 2);
    pnlVentos->hide();
    CartaZenita1->setChecked(true);
    RosadosVentos1->setChecked(false);
    chartDrawn_ = false;
    windRoseDrawn_ = false;
    drawMaskMode_ = false;
    fillMaskMode_ = false;
    segmentStart_ = true;
}

void TFormZenita::switchView(bool windView) {
    pnlVentos->setVisible(windView);
    pnlDadosVentos->setVisible(windView);
    ckTrajetoria->setVisible(!windView);
    // The wind panel covers the chart button; hidden, it leaves Alt+C, which
    // both buttons' captions carry, to "Retornar para Carta Zenita".
    plotar->setVisible(!windView);
    CartaZenita1->setChecked(!windView);
    RosadosVentos1->setChecked(windView);
    setWindowTitle(QStringLiteral("ZENITA 6.2"));
}

void TFormZenita::showChartView() {
    switchView(false);
    Imprimir1->setEnabled(chartDrawn_);
    Copiar1->setEnabled(chartDrawn_);
}

void TFormZenita::showWindView() {
    switchView(true);
    Imprimir1->setEnabled(windRoseDrawn_);
    Copiar1->setEnabled(windRoseDrawn_);
}

void TFormZenita::CartaZenita1Click() {
    showChartView();
}

void TFormZenita::btnVoltaParaCartaClick() {
    showChartView();
}

void TFormZenita::RosadosVentos1Click() {
    showWindView();
}

void TFormZenita::Sobre1Click() {
    if (dlgSobre) {
        dlgSobre->exec();
    }
}

void TFormZenita::fecharClick() {
    close();
}

void TFormZenita::FormClose() {
    clearCityLists();
}

void TFormZenita::clearCityLists() {
    cities_.clear();
}

void TFormZenita::ClearChartLayers() {
    for (ImageLayer* layer : {imagem, imagem2, imagem3, imagem4}) {
        Canvas& c = layer->canvas();
        c.setCopyMode(CopyMode::Whiteness);
        c.copyRect(0, 0, c.width(), c.height(), c.image(), 0, 0, c.width(), c.height());
        c.setCopyMode(CopyMode::Source);
    }
}

void TFormZenita::ClearWindImage() {
    Canvas& c = imVentos->canvas();
    c.setCopyMode(CopyMode::Whiteness);
    c.copyRect(0, 0, c.width(), c.height(), c.image(), 0, 0, c.width(), c.height());
    c.setCopyMode(CopyMode::Source);
}

void TFormZenita::ClearWindTables() {
    for (int column = 1; column <= 4; ++column) {
        for (int row = 1; row <= 8; ++row) {
            gridVentos->setCell(column, row, QString());
        }
        for (int row = 1; row <= 4; ++row) {
            gridVentos2->setCell(column, row, QString());
        }
    }
    tituloVentos->setText(QStringLiteral(" "));
}

void TFormZenita::novoClick() {
    // First let go of the copy of the mask layer, so that clearing the layer
    // does not copy its pixels for it.
    maskPerformance_.chartCleared();
    ClearChartLayers();
    const int right = truncPx(2 * chartGeometry_.chartCentreX);
    const int bottom = truncPx(2 * chartGeometry_.chartCentreY);
    for (ImageLayer* layer : {imagem3, imagem4}) {
        Canvas& c = layer->canvas();
        c.setPenColor(Qt::white);
        c.rectangle(0, 0, right, bottom);
    }
    plotar->setEnabled(true);
    chartDrawn_ = false;
    Imprimir1->setEnabled(false);
    Copiar1->setEnabled(false);
    windRoseDrawn_ = false;
    ClearWindImage();
    ClearWindTables();
}
