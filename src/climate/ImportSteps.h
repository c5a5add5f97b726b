// The steps of a city import that touch no file, apart so each can be
// checked alone: the checks of the chosen source, the season starts, the
// hourly lines and the new index. ImportSession runs them in order.
#pragma once

#include "climate/Seasons.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climate {

// The file key of a city name, refusing a name whose files would land outside
// cidades/ or over unrelated files: a key that is empty, "." or "..", or that
// holds "/", "\" or a control character; and a name holding a character that
// common file systems refuse in file names (" * : < > ? |). Throws
// RefusalError naming the name (and the character).
std::string checkedFileKey(std::string_view name);

// Refuses (RefusalError) a file key whose files could not be named on disk:
// the wind file's name, with what a commit adds for its temporary, must fit
// in the 255 bytes a file name may have (in its UTF-8 form).
void checkFileNameLength(std::string_view fileKey);

// Refuses (RefusalError) a latitude text that is not a number (a comma counts
// as the decimal point, as in the main window) or lies outside -65 to 65.
void checkLatitudeText(std::string_view latitudeText);

// The longitude with its sign inverted, in general form, never "-0".
std::string invertedLongitudeText(double longitudeDeg);

// True when any of the twelve texts is empty after trimming.
bool anySeasonStartEmpty(const SeasonStartTexts& texts);
// The texts, trimmed, read as integers ("09" is 9). Throws FormatError naming
// the season and the text.
SeasonStarts readSeasonStarts(const SeasonStartTexts& texts);

struct HourlyLines {
    std::vector<std::string> lines;  // the hourly file, in order
    // The line of each season's start (the last line that matches), if any.
    std::array<std::optional<int>, kSeasonCount> starts;
};

// The hourly file from the source's data lines: each line split, an empty
// last field that splitting drops kept, every empty field made "0", joined
// again; and the season starts found on the way (month, then day where the
// month matches, then hour where both match, read as integers). Throws
// FormatError naming the data line (from 1) when a field read is missing or
// not an integer.
HourlyLines computeHourlyLines(const std::vector<std::string>& dataLines,
                               const SeasonStarts& seasonStarts);

// The index lines (counted from 0) that name the city: field 0 equal to the
// name, or a different name with the same file key, whose files would be the
// same. Throws FormatError at a line with no field.
std::vector<std::size_t> findCityLines(const std::vector<std::string>& indexLines,
                                       std::string_view name);

// Whether two file names under cidades/ name one file on disk.
using SameCityFile = std::function<bool(std::string_view, std::string_view)>;
// Refuses (RefusalError) a city whose hourly or wind file would be a file of
// another line of the index (one that findCityLines does not count as this
// city): "Foo.ventos" would write its hourly file over the wind file of
// "Foo". Fields holding the no-file marker name no file.
void checkFilesOfNoOtherCity(const std::vector<std::string>& indexLines, std::string_view name,
                             const SameCityFile& sameFile);

// The index with the city's line: in place of the first line that names it
// (later ones removed, so the name is listed once), or at the end.
std::vector<std::string> indexWithCityLine(std::vector<std::string> indexLines,
                                           std::string_view name, const std::string& cityLine);

}  // namespace climate
