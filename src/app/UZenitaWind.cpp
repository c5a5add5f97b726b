// The wind-rose command of the main window: the wind view, the selected
// city's wind file parsed into a table, and its scene shown: the rose on
// imVentos and the texts in the two tables.
#include "app/UZenita.h"

#include "climate/CityDatabase.h"
#include "climate/ClimateErrors.h"
#include "climate/Messages.h"
#include "climate/TextFile.h"
#include "scene/WindScene.h"
#include "widgets/Dialogs.h"
#include "wind/WindFile.h"

#include <QFileInfo>

void TFormZenita::connectWindHandlers() {
    bind(btnPlotarVentos, &QPushButton::clicked, &TFormZenita::btnPlotarVentosClick);
    bind(rgVentos, &QComboBox::activated, &TFormZenita::rgVentosChange);
}

void TFormZenita::rgVentosChange() {
    btnPlotarVentosClick();
}

void TFormZenita::btnPlotarVentosClick() {
    // The view first, before anything is read; the menus keep their state
    // until a rose is complete.
    switchView(true);

    const int city = selectedCity();
    const std::string* fileName =
        city < 1 ? nullptr : &cities_[static_cast<std::size_t>(city)].windFile;
    const QString name = fileName ? climate::cityFilePath(services_.baseDirectory, *fileName)
                                  : QString::fromUtf8(climate::kNoFileMarker);
    // The no-file marker names no file: under cidades/ it would be a file "a"
    // in a folder "s", so it is reported missing without a look at the disk.
    const bool noFile = !fileName || *fileName == climate::kNoFileMarker;
    if (noFile || !QFileInfo::exists(name)) {
        // No rose stays under the name of a city it does not belong to, not
        // even behind the message.
        ClearWindImage();
        ClearWindTables();
        windRoseDrawn_ = false;
        Imprimir1->setEnabled(false);
        Copiar1->setEnabled(false);
        refreshImages();
        services_.dialogs->show(
            MessageKind::Warning,
            fileName && noFile
                ? QStringLiteral("A cidade ") + cmbCidades->currentText() +
                      QStringLiteral(" não tem arquivo de ventos.")
                : QStringLiteral("Arquivo ") + name + QStringLiteral(" não encontrado!"));
        return;
    }

    wind::WindTable table;
    try {
        table = wind::parseWindTable(climate::readLines(name), rgVentos->currentIndex(), name);
    } catch (const climate::ClimateError& error) {
        services_.dialogs->show(MessageKind::Error, climate::errorMessage(), error.message());
        return;
    }
    ClearWindImage();
    ClearWindTables();
    tituloVentos->setText(rgVentos->itemText(table.modeItem) + QStringLiteral(" :"));
    const scene::WindScene rose =
        scene::renderWind(table, imVentos->canvas(), {windCentreX_, windCentreY_});
    showWindTables(rose);
    if (!rose.complete()) {
        // What was drawn and written so far stays; the rose is not complete.
        services_.dialogs->show(MessageKind::Error, climate::errorMessage(), *rose.failure);
        return;
    }
    windFrameTemplate_ = *rose.frames;
    windRoseDrawn_ = true;
    Imprimir1->setEnabled(true);
    Copiar1->setEnabled(true);
}

void TFormZenita::showWindTables(const scene::WindScene& rose) {
    for (std::size_t d = 0; d < rose.directionCells.size(); ++d) {
        for (std::size_t s = 0; s < 4; ++s) {
            if (!rose.directionCells[d][s].isEmpty()) {
                gridVentos->setCell(static_cast<int>(s) + 1, static_cast<int>(d) + 1,
                                    rose.directionCells[d][s]);
            }
        }
    }
    for (std::size_t c = 0; c < rose.calmCells.size(); ++c) {
        for (std::size_t s = 0; s < 4; ++s) {
            if (!rose.calmCells[c][s].isEmpty()) {
                gridVentos2->setCell(static_cast<int>(s) + 1, static_cast<int>(c) + 1,
                                     rose.calmCells[c][s]);
            }
        }
    }
}
