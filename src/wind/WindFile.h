// A city's wind file as the wind-rose command reads it: twenty comma-text
// lines of four season values P, V, O, I. Lines 0-7 hold the frequencies of
// occurrence (%) for N, NE, L, SE, S, SO, O, NO, lines 8-15 the predominant
// speeds (m/s) for the same directions, lines 16-19 the calm percentages of
// "Madrugada", "Manhã", "Tarde", "Noite". Fields after the fourth are ignored.
//
// Texts stay the file's bytes (Windows-1252), so the tables can show them as
// written ("2.50" and "2.5" alike).
#pragma once

#include "wind/RoseLabels.h"

#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace wind {

inline constexpr int kDirectionCount = 8;
inline constexpr std::size_t kCalmFirstLine = 16;
inline constexpr int kDayPeriodCount = 4;

// The captions of the wind view, shared by its lists and tables, the design
// sheet and the tables' text: the mode list's items, the directions and the
// day periods in file order, and the calm table's caption.
inline constexpr std::array<const char*, 2> kModeNames{"Velocidades predominantes",
                                                       "Frequência de ocorrência"};
inline constexpr std::array<const char*, kDirectionCount> kDirectionNames{"N", "NE", "L", "SE",
                                                                          "S", "SO", "O", "NO"};
inline constexpr std::array<const char*, kDayPeriodCount> kDayPeriodNames{"Madrugada", "Manhã",
                                                                          "Tarde", "Noite"};
inline constexpr const char* kCalmCaption = "Ventos Ausentes (%):";

// The line of direction N in the mode's block: 8 for the speeds, 0 for the
// frequencies.
std::size_t firstDirectionLine(WindMode mode);

using SeasonTexts = std::array<std::string, 4>;

// The first four fields of line `index` (from 0). Throws climate::FormatError
// naming `file` and the line (from 1) when the line is missing or has fewer
// than four fields.
SeasonTexts seasonTexts(const std::vector<std::string>& lines, std::size_t index,
                        const QString& file);

// The four texts of line `index` as numbers, in their order. Throws
// climate::FormatError naming `file`, the line and the text that is not a number.
std::array<double, 4> seasonValues(const SeasonTexts& texts, std::size_t index,
                                   const QString& file);

// A wind file read for one mode, as far as it could be read: the season texts
// and values of the directions N to NO, then the texts of the four calm rows.
// Reading stops at the first line that fails; `failure` is then its message
// and the rows before it are kept, so that what could be drawn and shown is.
struct WindTable {
    int modeItem = 0;
    std::vector<SeasonTexts> directionTexts;
    // Per direction read, P, V, O, I already multiplied by the mode's factor.
    std::vector<std::array<double, 4>> directionValues;
    std::vector<SeasonTexts> calmTexts;
    std::optional<QString> failure;

    bool complete() const { return !failure.has_value(); }
};

WindTable parseWindTable(const std::vector<std::string>& lines, int modeItem, const QString& file);

}  // namespace wind
