// The four seasons of the import and of the wind file, always in this order:
// spring (P), summer (V), autumn (O), winter (I), which is also the column
// order of the wind file. The default starts are those of the southern
// hemisphere: 22 September 18 h, 21 December 14 h, 20 March 8 h, 21 June 2 h.
// In the northern hemisphere spring and autumn swap their starts, as do
// summer and winter.
#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace climate {

inline constexpr int kSeasonCount = 4;

enum class Season { Spring = 0, Summer = 1, Autumn = 2, Winter = 3 };

// The texts of a season's start edits (day, month, hour), as typed.
struct SeasonStartText {
    QString day;
    QString month;
    QString hour;
};
using SeasonStartTexts = std::array<SeasonStartText, kSeasonCount>;

// A season's start as numbers, read from its texts.
struct SeasonStart {
    int day = 0;
    int month = 0;
    int hour = 0;
};
using SeasonStarts = std::array<SeasonStart, kSeasonCount>;

struct SeasonStartDefault {
    const char* day;
    const char* month;
    const char* hour;
};
// The texts the import window shows at first, by season.
inline constexpr std::array<SeasonStartDefault, kSeasonCount> kDefaultSeasonStarts{{
    {"22", "09", "18"},
    {"21", "12", "14"},
    {"20", "03", "08"},
    {"21", "06", "02"},
}};

// kDefaultSeasonStarts as edit texts.
SeasonStartTexts defaultSeasonStartTexts();

enum class Hemisphere { South, North };

// The default starts of a hemisphere as edit texts (South: kDefaultSeasonStarts).
SeasonStartTexts defaultSeasonStartTexts(Hemisphere hemisphere);
// The texts for a source of `hemisphere`: each season whose day, month and
// hour all still hold the other hemisphere's default (trimmed) takes this
// hemisphere's default; a season with any edit the person changed stays.
SeasonStartTexts seasonStartTextsFor(Hemisphere hemisphere, SeasonStartTexts texts);
// North above the equator, South below it, nothing on it or for a text that
// is not a number (a comma counts as the decimal point).
std::optional<Hemisphere> hemisphereOfLatitude(std::string_view latitudeText);

// "Primavera", "Verão", "Outono", "Inverno".
QString seasonName(int season);

}  // namespace climate
