// A city's year for the shading numbers: the dry-bulb temperature and the
// direct normal radiation of every hourly line, and where the city lies and
// which clock it keeps, so each line's hour finds the sun the overlay puts
// there.
#pragma once

#include "climate/CityDatabase.h"
#include "climate/HourlyColumn.h"

#include <QString>

#include <stdexcept>

namespace shading {

// The city's hourly data cannot give the numbers; what() is a sentence in
// Portuguese (UTF-8) for the user, naming the file and the line.
class ShadingDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct HourlyClimate {
    // One value per line of the hourly file: line 24 (n - 1) + h is hour h
    // of day n. °C and W/m².
    climate::HourlyColumn temperature;
    climate::HourlyColumn directNormal;
    QString file;                       // named by the messages
    double latitudeDeg = 0.0;           // north positive
    double longitudeDeg = 0.0;          // west positive
    double standardMeridianDeg = 45.0;  // west positive, the clocks' meridian
};

// Reads the city's hourly file at `path` for a chart of that latitude; the
// longitude and the time zone come from the city's index line. Throws
// ShadingDataError when the file cannot be read or the longitude is not a
// number.
HourlyClimate readHourlyClimate(const QString& path, const climate::CityIndexEntry& city,
                                double latitudeDeg);

}  // namespace shading
