// A chart or a wind rose drawn without showing a window: a main window that
// is never shown gets its controls set as a user would set them, runs the
// chart or the wind-rose command and gives the picture. The drawing is the
// window's own.
#pragma once

#include "app/Services.h"
#include "output/Printer.h"

#include <QImage>
#include <QString>

#include <array>
#include <optional>
#include <stdexcept>

// The controls to set, as texts typed into them.
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

// The composed chart. services.dialogs is replaced by one that turns any
// message into a HeadlessChartError.
QImage drawChartHeadless(const Services& services, const ChartSettings& settings);

// The wind image after the wind-rose command for the city, chosen in the
// wind view as a person would. A city without a wind file, one not in the
// index, or any message of the window is a HeadlessChartError.
QImage drawWindRoseHeadless(const Services& services, const WindSettings& settings);
// The wind rose printed on the printer by the print command's own code (the
// wind rose always prints at 6 cm).
void printWindRoseHeadless(const Services& services, const WindSettings& settings,
                           output::Printer& printer);

// The chart printed on the printer, by the print command's own code, with the
// radius typed as in the print dialog.
void printChartHeadless(const Services& services, const ChartSettings& settings,
                        const QString& radiusText, output::Printer& printer);
