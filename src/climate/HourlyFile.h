// Reading one quantity of a city's hourly file (temperature, field 3; global
// horizontal radiation, 15; direct normal radiation, 17) for the overlay.
#pragma once

#include "climate/HourlyColumn.h"

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace climate {

// Field numbers of the hourly file (and of the import source's data lines).
inline constexpr int kMonthField = 0;
inline constexpr int kDayField = 1;
inline constexpr int kHourField = 2;
inline constexpr int kTemperatureField = 3;
inline constexpr int kWindSpeedField = 11;
inline constexpr int kWindDirectionField = 12;
inline constexpr int kGlobalRadiationField = 15;
inline constexpr int kDirectRadiationField = 17;

// The value of `field` on every line, in line order: Number, Empty (""),
// Missing (the line is too short) or Invalid (not a number).
HourlyColumn hourlyColumnFromLines(const std::vector<std::string>& lines, int field);
// The same from the file, read once, each line split once. Throws
// FileNotFoundError or FileReadError.
HourlyColumn readHourlyColumn(const QString& path, int field);
// As readHourlyColumn, but only the lines firstLine to endLine - 1 (from 0)
// are split: the others are counted, as Missing, so that every line keeps
// its place. A half-year's drawing needs about half the file.
HourlyColumn readHourlyColumn(const QString& path, int field, std::size_t firstLine,
                              std::size_t endLine);

}  // namespace climate
