// A chart or a wind rose drawn without a window, from the command line's
// settings: they are parsed into the request the window's chart command
// renders, against the same city index, and drawn by the same scene. Every
// message the window would show for the same input fails the export.
#pragma once

#include "app/Services.h"
#include "canvas/Canvas.h"
#include "climate/CityDatabase.h"
#include "output/DesignSheet.h"
#include "output/Printer.h"
#include "scene/WindScene.h"
#include "shading/ShadingTable.h"

#include <QImage>
#include <QString>

#include <array>
#include <optional>
#include <stdexcept>

// The options, as the texts a person would type into the window's controls.
struct ChartSettings {
    QString latitude;
    // A city of the index, by its name as stored: chosen as in the city list,
    // it gives the latitude (and its files to the later drawings).
    std::optional<QString> city;
    // The protractor is on with this orientation, off without one.
    std::optional<QString> orientation;
    int reference = 0;  // rgAngulos: 0 "Interna", 1 "Externa"
    bool sunPaths = true;
    // Alfa, beta right, beta left, gamma right, gamma left: the first and the
    // second angle; a box without a text stays unchecked.
    std::array<std::array<std::optional<QString>, 2>, 5> angles;
    // The hourly overlay of the city: the item of cmbTipoDados (0
    // temperatures, 1 global, 2 direct radiation) with ckPontos checked.
    std::optional<int> overlayQuantity;
    int period = 0;  // rgPeriodo: 0 "até 21 de Junho", 1 "após 21 de Junho"
};

// A wind rose: the city, by its name as stored, and the item of rgVentos
// (0 "Velocidades predominantes", 1 "Frequência de ocorrência").
struct WindSettings {
    QString city;
    int mode = 0;
};

// The chart command did not complete; what() is the message it gave.
class HeadlessChartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The composed chart, as copied: the layers and the pictograms of the reference.
QImage drawChartHeadless(const Services& services, const ChartSettings& settings);

// A city's wind rose drawn from its wind file, and its scene. A missing file,
// or a line that cannot be read, is a HeadlessChartError with the window's
// message.
struct DrawnRose {
    Canvas rose{460, 460};
    scene::WindScene scene;
};
DrawnRose drawCityWindRose(const Services& services, const climate::CityIndexEntry& city,
                           int modeItem);

// The wind image of the city's rose. A city without a wind file, one not in
// the index, or any message of the window is a HeadlessChartError.
QImage drawWindRoseHeadless(const Services& services, const WindSettings& settings);
// The wind rose printed on the printer by the print command's own code (the
// wind rose always prints at 6 cm).
void printWindRoseHeadless(const Services& services, const WindSettings& settings,
                           output::Printer& printer);

// The chart printed on the printer, by the print command's own code, with the
// radius typed as in the print dialog.
void printChartHeadless(const Services& services, const ChartSettings& settings,
                        const QString& radiusText, output::Printer& printer);

// The shading numbers of the chart of the settings, under its typed masks:
// the city (required) must have its hourly file, whole, and the protractor
// must be on. Any refusal or message is a HeadlessChartError.
shading::ShadingTable shadingReportHeadless(const Services& services,
                                            const ChartSettings& settings);

// The design sheet of the chart settings; with a city that has a wind file,
// its rose of the mode (0 without one). A mode for a city without a wind file,
// or any message of the window, is a HeadlessChartError.
struct SheetSettings {
    ChartSettings chart;
    std::optional<int> windMode;
    double radiusCm = 6.0;
};
output::DesignSheet designSheetHeadless(const Services& services, const SheetSettings& settings);
