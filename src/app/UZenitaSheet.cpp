// What the window saves beyond the print and the copy: the view as a picture
// file ("Salvar imagem..."), the design sheet ("Exportar folha..."), and the
// wind tables as tab-separated text on the clipboard or as a CSV file.
#include "app/UZenita.h"

#include "app/ChartPicture.h"
#include "app/HeadlessChart.h"
#include "app/PrintCommands.h"
#include "app/SaveFiles.h"
#include "app/SheetContent.h"
#include "output/Clipboard.h"
#include "output/PrintLayout.h"
#include "widgets/Dialogs.h"
#include "widgets/FileChooser.h"
#include "wind/WindFile.h"

#include <QFileInfo>
#include <QImageWriter>

namespace {

const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
const QString kPngFilter = QStringLiteral("PNG (*.png)");
const QString kCsvFilter = QStringLiteral("CSV (*.csv)");

QString suffixOf(const QString& file) {
    return QFileInfo(file).suffix().toLower();
}

std::optional<QString> warningText(const std::optional<scene::Warning>& warning) {
    if (!warning) {
        return std::nullopt;
    }
    return warning->details.isEmpty() ? warning->text : warning->text + u' ' + warning->details;
}

}  // namespace

void TFormZenita::buildSheetMenu() {
    SalvarImagem1 = new QAction(QStringLiteral("&Salvar imagem..."), this);
    ExportarFolha1 = new QAction(QStringLiteral("&Exportar folha..."), this);
    SalvarTabelasVentos1 = new QAction(QStringLiteral("Salvar &tabelas de ventos..."), this);
    Arquivo->insertActions(Imprimir1, {SalvarImagem1, ExportarFolha1, SalvarTabelasVentos1});
    Arquivo->insertSeparator(Imprimir1);
    CopiarTabelasVentos1 = Editar1->addAction(QStringLiteral("Copiar &tabelas de ventos"));
    // A picture can be saved exactly when the view can be copied.
    SalvarImagem1->setEnabled(Copiar1->isEnabled());
    connect(Copiar1, &QAction::enabledChanged, SalvarImagem1, &QAction::setEnabled);
    for (WindGrid* grid : {gridVentos, gridVentos2}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](QPoint at) {
            updateSheetActions();
            QMenu::exec({CopiarTabelasVentos1, SalvarTabelasVentos1}, grid->mapToGlobal(at),
                        nullptr, grid);
        });
    }
    updateSheetActions();
}

void TFormZenita::connectSheetHandlers() {
    bind(SalvarImagem1, &QAction::triggered, &TFormZenita::SalvarImagem1Click);
    bind(ExportarFolha1, &QAction::triggered, &TFormZenita::ExportarFolha1Click);
    bind(SalvarTabelasVentos1, &QAction::triggered, &TFormZenita::SalvarTabelasVentos1Click);
    bind(CopiarTabelasVentos1, &QAction::triggered, &TFormZenita::CopiarTabelasVentos1Click);
    connect(Arquivo, &QMenu::aboutToShow, this, &TFormZenita::updateSheetActions);
    connect(Editar1, &QMenu::aboutToShow, this, &TFormZenita::updateSheetActions);
}

void TFormZenita::updateSheetActions() {
    ExportarFolha1->setEnabled(chartDrawn_);
    const bool tables = !shownWindTables().empty();
    SalvarTabelasVentos1->setEnabled(tables);
    CopiarTabelasVentos1->setEnabled(tables);
}

void TFormZenita::showFailure(const std::optional<QString>& failure) {
    if (failure && services_.dialogs) {
        services_.dialogs->show(MessageKind::Warning, *failure);
    }
}

void TFormZenita::SalvarImagem1Click() {
    const bool chart = chartViewShown();
    if (!(chart ? chartDrawn_ : windRoseDrawn_) || !services_.fileChooser) {
        return;
    }
    const auto file = services_.fileChooser->chooseFileToSave(
        this, {{kPngFilter, QStringLiteral("JPEG (*.jpg *.jpeg)"), QStringLiteral("BMP (*.bmp)"),
                kPdfFilter},
               kPngFilter,
               QStringLiteral("png")});
    if (!file) {
        return;
    }
    const QString suffix = suffixOf(*file);
    if (suffix == QStringLiteral("pdf")) {
        showFailure(savePrintedPdf(*file, [&](output::Printer& pdf) {
            if (!chart) {
                return warningText(printWindRose(&pdf, imVentos->canvas().image()));
            }
            // The radius as for the printer, up to what the largest page holds.
            if (dlgRaioCarta) {
                if (const auto page = pdf.geometry()) {
                    dlgRaioCarta->setLargestRadiusCm(
                        output::largestRadiusCm(page->printableDots, page->dotsPerCm));
                }
                dlgRaioCarta->exec();
            }
            const std::string radius =
                dlgRaioCarta ? dlgRaioCarta->editRaio->text().toStdString() : "";
            return warningText(printChart(&pdf, chartLayers(),
                                          referencePictograms(rgAngulos->currentIndex()), radius));
        }));
        return;
    }
    if (!QImageWriter::supportedImageFormats().contains(suffix.toUtf8())) {
        showFailure(QStringLiteral("Formato de imagem não suportado: ") + *file +
                    QStringLiteral(". Use .png, .jpg, .bmp ou .pdf."));
        return;
    }
    showFailure(
        savePicture(chart ? composeChartPicture(*this) : imVentos->canvas().image(), *file));
}

void TFormZenita::ExportarFolha1Click() {
    if (!chartDrawn_ || !services_.fileChooser) {
        return;
    }
    const auto file = services_.fileChooser->chooseFileToSave(
        this, {{kPdfFilter, kPngFilter}, kPdfFilter, QStringLiteral("pdf")});
    if (!file) {
        return;
    }
    // The wind of the chart's city, in the mode the wind view would draw.
    std::optional<DrawnRose> rose;
    const int mode = rgVentos->currentIndex();
    if (chartRequest_.city && chartRequest_.city->hasWindFile()) {
        try {
            rose = drawCityWindRose(services_, *chartRequest_.city, mode);
        } catch (const HeadlessChartError& error) {
            showFailure(QStringLiteral("A folha não foi gravada: ") +
                        QString::fromUtf8(error.what()));
            return;
        }
    }
    SheetSources sources{
        chartRequest_, chartLayers(), rgAngulos->currentIndex(), output::kSheetLargestRadiusCm,
        std::nullopt,  std::nullopt};
    if (rose) {
        sources.wind.emplace(SheetWindSource{rose->scene, rose->rose.image(), mode});
    }
    // The numbers "Desempenho da máscara" shows, hand drawing included.
    const MaskPerformance::View shading = maskPerformance_.evaluate(
        services_.baseDirectory, imagem3->canvas().image(), chartGeometry_);
    if (shading.table) {
        sources.shading = shadingTable(*shading.table);
    }
    showFailure(saveSheet(designSheet(sources), *file));
}

std::vector<output::TextTable> TFormZenita::shownWindTables() const {
    scene::WindScene shown;
    bool any = false;
    for (std::size_t s = 0; s < 4; ++s) {
        const int column = static_cast<int>(s) + 1;
        for (std::size_t d = 0; d < shown.directionCells.size(); ++d) {
            shown.directionCells[d][s] = gridVentos->cell(column, static_cast<int>(d) + 1);
            any = any || !shown.directionCells[d][s].isEmpty();
        }
        for (std::size_t c = 0; c < shown.calmCells.size(); ++c) {
            shown.calmCells[c][s] = gridVentos2->cell(column, static_cast<int>(c) + 1);
            any = any || !shown.calmCells[c][s].isEmpty();
        }
    }
    if (!any) {
        return {};
    }
    // The title names the mode the tables were read in.
    const bool frequencies =
        tituloVentos->text().startsWith(QString::fromUtf8(wind::kModeNames[1]));
    return windTables(shown, frequencies ? 1 : 0);
}

void TFormZenita::CopiarTabelasVentos1Click() {
    const std::vector<output::TextTable> tables = shownWindTables();
    if (!tables.empty() && services_.clipboard) {
        services_.clipboard->setText(output::tablesText(tables, u'\t'));
    }
}

void TFormZenita::SalvarTabelasVentos1Click() {
    const std::vector<output::TextTable> tables = shownWindTables();
    if (tables.empty() || !services_.fileChooser) {
        return;
    }
    const auto file = services_.fileChooser->chooseFileToSave(
        this, {{kCsvFilter}, kCsvFilter, QStringLiteral("csv")});
    if (file) {
        showFailure(saveText(output::tablesText(tables, u','), *file));
    }
}
