// The season wind statistics of a city: a year of hourly wind records
// condensed into the 20 lines of its wind file.
//
// Lines 0-7: percent of the season's hours with wind from N, NE, L, SE, S, SO,
// O, NO; lines 8-15: mean speed (m/s) of those hours; lines 16-19: percent of
// calm hours in each period of the day (Madrugada h <= 6, Manhã 6 < h <= 12,
// Tarde 12 < h <= 18, Noite h > 18, by the hour as the file numbers it). Each
// line holds the four seasons P, V, O, I with two decimals.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace climate {

// lines: the hourly file's lines (hour in field 2, speed in m/s in field 11,
// direction in degrees clockwise from north in field 12). starts: the line of
// each season's first hour, spring to winter; a season runs up to the next
// one's start (winter's up to spring's), past the last line on from line 0,
// and is empty when both starts are equal. Seasons may overlap.
//
// Directions lie in half-open sectors with the upper bound included (22.5 is
// N, 22.6 NE); 0 or less is in no sector, above 360 is N. A line with a
// negative speed counts in no direction and not as calm. Only the lines of
// some season are read.
//
// Throws FormatError naming the line (counted from 1) when a line read is
// too short, its hour is not an integer, its speed not a number, or its
// direction (needed when the speed is positive) not a number; ClimateError
// when a start lies outside the lines.
std::vector<std::string> SeasonWindStatistics(const std::vector<std::string>& lines,
                                              const std::array<int, 4>& starts);

}  // namespace climate
