// The hourly source file a city is imported from, read into the form the
// import needs whatever its format: the city's name, latitude and longitude
// and its data lines as comma-text lines in Windows-1252, with the fields of
// the hourly file (month, day, hour, temperature, ..., wind speed 11,
// direction 12, radiation 15 and 17).
//
// The format ZENITA knows is the comma-text source: line 0 a header whose
// first field is "Localização"; line 1 name, latitude, longitude (positive
// east), its spaces read as "_"; line 2 free; line 3 a column header whose
// first field is "Mês"; then one data line per hour of a 365-day year, in
// order (YearOfHours.h), with month, day and hour in its first three fields. It may be written in
// Windows-1252 or in UTF-8, with or without a byte-order mark. Another format
// plugs in as another SourceReader: EnergyPlus weather files (EpwSource.h).
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace climate {

enum class SourceEncoding { Windows1252, Utf8 };
enum class SourceFormat { CommaText, Epw };

struct ImportSource {
    std::string name;                    // Windows-1252, spaces as "_", trimmed
    std::string latitudeText;            // Windows-1252, trimmed, as written
    double longitudeDeg = 0.0;           // positive east, as written
    std::vector<std::string> dataLines;  // Windows-1252 comma-text lines
    int linesBeforeData = 4;  // so data line i is line linesBeforeData + i + 1 of the file
    // Where a leap year's 29 February was dropped: its 24 lines stood before
    // data line leapDayAt (from 0).
    std::optional<std::size_t> leapDayAt;
    SourceEncoding encoding = SourceEncoding::Windows1252;
    SourceFormat format = SourceFormat::CommaText;
    // Hours from UTC of the source's standard time, when the source says;
    // the index keeps it as a sixth field.
    std::optional<double> timeZoneHours;
    // How many missing values the reader filled in, for sources that mark
    // them; the success message says it.
    std::optional<int> filledValues;

    // What to add to a data line's number (from 1) to get its line in the file.
    int lineOffsetAt(int dataLine) const {
        return linesBeforeData + (leapDayAt && dataLine > static_cast<int>(*leapDayAt) ? 24 : 0);
    }
};

// Reads a source file. Throws FileNotFoundError or FileReadError when it
// cannot be read, InvalidSourceError when its header words are missing
// ("Arquivo inválido!"), FormatError when it is too short or its longitude is
// not a number, EncodingError when its name or a data line has a character
// Windows-1252 lacks.
using SourceReader = std::function<ImportSource(const QString& path)>;

// The comma-text source described above.
ImportSource readCommaTextSource(const QString& path);
// Either format: EPW when the file is named *.epw or its first line starts
// with "LOCATION,", the comma-text source otherwise.
ImportSource readImportSource(const QString& path);
// The same from the file's bytes; `path` only names it in messages.
ImportSource parseCommaTextSource(std::string_view bytes, const QString& path = {});

}  // namespace climate
