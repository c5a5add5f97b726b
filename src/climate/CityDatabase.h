// The city database beside the executable: the index Latitudes.csv and the
// folder cidades/ with each city's hourly file (key + ".csv") and wind file
// (key + ".ventos.csv").
//
// Paths use "/" separators. The index holds file names as Windows-1252 bytes;
// on disk they are named by the same text in the system's (UTF-8) form, which
// cityFilePath converts, so a database copied from another system opens.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climate {

// An index field's value meaning "this city has no such file".
inline constexpr std::string_view kNoFileMarker = "s/a";
inline constexpr std::string_view kHourlyFileSuffix = ".csv";
inline constexpr std::string_view kWindFileSuffix = ".ventos.csv";
inline constexpr int kIndexFieldCount = 5;

// base + "/Latitudes.csv"; base may end in a separator or not.
QString indexPath(const QString& baseDirectory);
// base + "/cidades".
QString citiesFolderPath(const QString& baseDirectory);
// base + "/cidades/" + the file name (Windows-1252 bytes as the index holds it).
QString cityFilePath(const QString& baseDirectory, std::string_view fileName);

// True for a name that stays inside its folder: not empty, "." or "..", and
// without "/", "\" or a control character (bytes 0 to 31, 127, and those
// Windows-1252 leaves undefined).
bool isPlainFileName(std::string_view name);

// The names the import gives a city's files: key + ".csv", key + ".ventos.csv".
std::string hourlyFileName(std::string_view fileKey);
std::string windFileName(std::string_view fileKey);

// Makes the folder cidades/ when it is missing; returns true when it made it.
// Throws FileWriteError when it cannot, or when something else has that name.
bool ensureCitiesFolder(const QString& baseDirectory);

// One line of the index, its fields as the file holds them (Windows-1252).
struct CityIndexEntry {
    std::string name;        // shown in the city list
    std::string latitude;    // text; a comma in it is a decimal point
    std::string hourlyFile;  // file name under cidades/, or "s/a"
    std::string windFile;    // file name under cidades/, or "s/a"
    std::string longitude;   // text, degrees positive west
    // Sixth field, written by the EPW import: hours from UTC of the city's
    // standard time. Nothing when the line has no sixth field or one that is
    // not a time zone (-12 to 14), as readers that know five fields see it.
    std::optional<double> timeZoneHours = std::nullopt;

    bool hasHourlyFile() const { return hourlyFile != kNoFileMarker; }
    bool hasWindFile() const { return windFile != kNoFileMarker; }
    bool operator==(const CityIndexEntry&) const = default;
};

// Appends the entries of the index lines to `entries`, in file order (names
// may repeat). A line with fewer than five fields, or whose hourly or wind
// file is neither "s/a" nor a plain name inside cidades/ (isPlainFileName),
// throws FormatError naming it (and `file`, when given); the entries before
// it stay in `entries`, each whole, so lists built from them stay aligned.
// A sixth field is read as the time zone when it is one; any further fields
// are ignored.
void parseCityIndex(const std::vector<std::string>& lines, std::vector<CityIndexEntry>& entries,
                    const QString& file = {});
// The standard meridian of a city's clock time, in degrees west of Greenwich
// (as the index's longitudes): -15 x the time zone when the index gives one,
// 45 (UTC-3) otherwise.
double standardMeridianDegWest(const std::optional<double>& timeZoneHours);

// Reads the index at `path` into `entries` as parseCityIndex does. Throws
// FileNotFoundError when it does not exist, FileReadError when it cannot be
// read, FormatError at a short line (the entries before it kept).
void readCityIndex(const QString& path, std::vector<CityIndexEntry>& entries);

}  // namespace climate
