// What a chart is drawn from, parsed once by the window or the command line:
// the chart's inputs (numbers, check states, the texts as typed for the
// annotation), the chosen city as the index holds it, and the hourly
// overlay's data already read from the city's file. Nothing below this reads
// a control or parses a text.
#pragma once

#include "chart/ChartInputs.h"
#include "climate/CityDatabase.h"
#include "climate/HourlyColumn.h"
#include "overlay/HourlyOverlay.h"

#include <QString>

#include <exception>
#include <optional>

namespace scene {

// A message shown once the chart is drawn: the main text and its details.
struct Warning {
    QString text;
    QString details;
};

// The hourly overlay of a city: the quantity's column over the half-year.
struct OverlaySource {
    overlay::HourlyOverlayInputs inputs;
    QString file;  // the hourly file, named by the warning of a partial drawing
    climate::HourlyColumn column;
    // The index line's longitude or the latitude is not a number: no points,
    // this warning instead.
    std::optional<Warning> indexWarning;
    // The file could not be read: the chart stops at the overlay with it.
    std::exception_ptr readFailure;
};

struct ChartRequest {
    chart::ChartInputs chart;
    // The city chosen in the list; nothing for "Nenhum".
    std::optional<climate::CityIndexEntry> city;
    // The half-year of the overlay and of the path labels' dates.
    int periodItem = 0;
    // The overlay's points, when the overlay is on and the city has an hourly file.
    std::optional<OverlaySource> overlay;
    // The path marks of the half-year, over the points.
    bool pathMarks = false;
};

// The overlay of a city of the index (its line `indexLine`, from 1): its
// hourly file read for the quantity and the half-year. Nothing when the city
// has no hourly file or the file is missing, where the overlay draws nothing.
std::optional<OverlaySource> loadOverlaySource(const QString& baseDirectory,
                                               const climate::CityIndexEntry& city, int indexLine,
                                               const QString& latitudeText,
                                               overlay::Quantity quantity, int periodItem);

// The path of the city's hourly file when there is one on disk.
std::optional<QString> hourlyFilePath(const QString& baseDirectory,
                                      const climate::CityIndexEntry& city);

}  // namespace scene
