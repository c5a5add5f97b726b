// EnergyPlus weather files (EPW) as an import source.
//
// An EPW file has eight header lines (LOCATION, DESIGN CONDITIONS,
// TYPICAL/EXTREME PERIODS, GROUND TEMPERATURES, HOLIDAYS/DAYLIGHT SAVINGS,
// COMMENTS 1, COMMENTS 2, DATA PERIODS), then one record per hour of a year
// of plain comma-separated values. LOCATION gives the city, latitude,
// longitude (positive east) and time zone (hours from UTC).
//
// Record r, hour h (1 to 24) of its day, covers the hour that ends at h:00:
// its temperature and wind are those at h:00, its radiation the energy of
// the hour before. The hourly file wants on line i the weather at clock time
// i:00 of the year, so line i takes month, day, hour, dry-bulb temperature,
// wind speed and direction of the record that ends at i:00 (the records
// shifted by one; the year's last record, 31 December at 24:00, becomes
// line 0, as a typical year wraps), and as radiation the mean of the two
// records around i:00 (ending and starting there), the hour centred on it.
// The hourly fields the program reads are 3 (temperature), 11 and 12 (wind
// speed and direction), 15 and 17 (global horizontal and direct normal
// radiation); the other fields are 0.
//
// Missing values (99.9 dry bulb, 9999 radiation, 999 wind, or an empty
// field) become the linear interpolation, in time, of the nearest valid
// values on either side, the year taken as a cycle; a direction goes the
// short way round the compass. A leap-year file (8784 records) loses
// 29 February so every line keeps its place in a 365-day year.
#pragma once

#include "climate/ImportSource.h"

#include <string_view>
#include <vector>

namespace climate {

inline constexpr int kEpwHeaderLines = 8;

// Reads an EPW file. Throws InvalidSourceError ("Arquivo inválido!") when a
// header line lacks its keyword, FormatError naming the line when a value is
// not a number, a record is out of its place in the year or the year is
// incomplete, EncodingError when the name has a character Windows-1252 lacks.
ImportSource readEpwSource(const QString& path);
ImportSource parseEpwSource(std::string_view bytes, const QString& path = {});

// True when the first line starts with the keyword LOCATION.
bool looksLikeEpw(std::string_view bytes);

// The value at fraction t of the way from `from` to `to` (degrees clockwise
// from north), going the short way round; in (0, 360], or 0 when both are 0.
double interpolateDirection(double from, double to, double t);

// Fills the missing values of a cyclic series in place: each becomes the
// linear interpolation of the nearest valid values before and after it (the
// series wrapping round). `direction` interpolates as compass directions.
// Returns how many were filled; throws FormatError naming `what` when the
// series has no valid value at all.
int fillMissing(std::vector<double>& values, const std::vector<bool>& missing, bool direction,
                const char* what);

}  // namespace climate
