// The wind-rose command of the main window: the wind view, the selected
// city's wind file into the two tables, and the rose on imVentos, drawn by
// the wind core in its one order.
#include "app/UZenita.h"

#include "climate/CityDatabase.h"
#include "climate/ClimateErrors.h"
#include "climate/Messages.h"
#include "climate/TextFile.h"
#include "climate/Windows1252.h"
#include "widgets/Dialogs.h"
#include "wind/RoseFrames.h"
#include "wind/RoseLabels.h"
#include "wind/SeasonBars.h"
#include "wind/WindFile.h"
#include "wind/WindRose.h"

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
        city < 1 ? nullptr : &listaArquivosVentos[static_cast<std::size_t>(city)];
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
        windRoseDrawn = false;
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

    try {
        const std::vector<std::string> lines = climate::readLines(name);
        const int modeItem = rgVentos->currentIndex();
        const wind::WindMode mode = wind::windModeFromItem(modeItem);
        const std::size_t first = wind::firstDirectionLine(mode);
        const double factor = wind::windModeTexts(mode).factor;
        const wind::WindGeometry geometry{windCentreX, windCentreY};
        Canvas& canvas = imVentos->canvas();

        ClearWindImage();
        ClearWindTables();
        tituloVentos->setText(rgVentos->itemText(modeItem) + QStringLiteral(" :"));
        // Direction by direction, so a failing line leaves the directions
        // before it drawn and shown.
        for (int d = 0; d < wind::kDirectionCount; ++d) {
            const std::size_t line = first + static_cast<std::size_t>(d);
            const wind::SeasonTexts texts = wind::seasonTexts(lines, line, name);
            const std::array<double, 4> v = wind::seasonValues(texts, line, name);
            wind::DrawSeasonBars(canvas, geometry, wind::directionBearingDeg(d), v[0] * factor,
                                 v[1] * factor, v[2] * factor, v[3] * factor);
            for (std::size_t s = 0; s < texts.size(); ++s) {
                gridVentos->setCell(static_cast<int>(s) + 1, d + 1,
                                    climate::decodeWindows1252(texts[s]));
            }
        }
        for (int c = 0; c < wind::kDayPeriodCount; ++c) {
            const wind::SeasonTexts texts =
                wind::seasonTexts(lines, wind::kCalmFirstLine + static_cast<std::size_t>(c), name);
            for (std::size_t s = 0; s < texts.size(); ++s) {
                gridVentos2->setCell(static_cast<int>(s) + 1, c + 1,
                                     climate::decodeWindows1252(texts[s]));
            }
        }
        wind::DrawWindOctagon(canvas, geometry);
        wind::DrawWindLabels(canvas, geometry, modeItem);
        windFrameTemplate = wind::DrawNorthFrame(canvas, geometry);
        wind::DrawRotatedFrames(canvas, geometry, windFrameTemplate);
    } catch (const climate::ClimateError& error) {
        // What was drawn and written so far stays; the rose is not complete.
        services_.dialogs->show(MessageKind::Error, climate::errorMessage(), error.message());
        return;
    }
    windRoseDrawn = true;
    Imprimir1->setEnabled(true);
    Copiar1->setEnabled(true);
}
