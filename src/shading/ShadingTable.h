// The shading numbers of a façade: how many hours of sun reach its front in
// each half-year of the overlay and in the whole year, how they spread over
// the five temperature classes of the legend, how much direct radiation they
// bring to the façade, and which share of each the masks keep out.
//
// A plain value: the window, the command line's CSV and the design sheet
// read the same cells. Rows are periods, columns measures:
//
//                 Sun   Class1 .. Class5   Radiation
//   FirstHalf     h %   h %        h %     h kWh/m² %
//   SecondHalf    ...
//   Year          ...
//
// `hours` counts the hours of sun in front of the façade (for Radiation,
// those that bring direct radiation); `shadedPct` is the share of them
// shaded, a partly shaded hour counting half (for Radiation, the share of
// the radiation blocked); `kwhPerM2` is the direct radiation on the façade,
// for Radiation only.
#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace shading {

// The half-years of the overlay ("até 21 de Junho", "após 21 de Junho") and
// the year.
enum class Period { FirstHalf, SecondHalf, Year };
inline constexpr std::array<Period, 3> kPeriods{Period::FirstHalf, Period::SecondHalf,
                                                Period::Year};

// All the hours of sun in front of the façade, those of each temperature
// class (the overlay's bounds, 1 coldest), and the direct radiation.
enum class Measure { Sun, Class1, Class2, Class3, Class4, Class5, Radiation };
inline constexpr std::array<Measure, 7> kMeasures{
    Measure::Sun,    Measure::Class1, Measure::Class2,   Measure::Class3,
    Measure::Class4, Measure::Class5, Measure::Radiation};

// The measure of a temperature class 1 to 5.
Measure classMeasure(int temperatureClass);

struct ShadingCell {
    int hours = 0;
    // Direct radiation on the façade, kWh/m²; Radiation only.
    std::optional<double> kwhPerM2;
    // 0 to 100; nothing when there was nothing to shade.
    std::optional<double> shadedPct;
};

struct ShadingTable {
    std::array<std::array<ShadingCell, kMeasures.size()>, kPeriods.size()> cells{};

    const ShadingCell& at(Period period, Measure measure) const {
        return cells[static_cast<std::size_t>(period)][static_cast<std::size_t>(measure)];
    }
    ShadingCell& at(Period period, Measure measure) {
        return cells[static_cast<std::size_t>(period)][static_cast<std::size_t>(measure)];
    }
};

// The keys of the CSV: "1", "2", "ano"; "sol", "classe1" .. "classe5", "radiacao".
QString periodKey(Period period);
QString measureKey(Measure measure);
// The captions shown to a person: the half-year list's items and "Ano"; the
// legend's temperature captions for the classes.
QString periodCaption(Period period);
QString measureCaption(Measure measure);

// A cell's numbers as written: hours as a whole number, kWh/m² and the share
// with one decimal point; empty where the cell has no such number.
QString hoursText(const ShadingCell& cell);
QString kwhText(const ShadingCell& cell);
QString percentText(const ShadingCell& cell);

// The table as CSV: the header "periodo,medida,horas,kwh_m2,sombreado_pct",
// then one line per period and measure, in the order of kPeriods and
// kMeasures; every line ends in "\n".
QString csvText(const ShadingTable& table);
// The same rows with the captions, tab-separated, as a spreadsheet pastes them.
QString tabText(const ShadingTable& table);

}  // namespace shading
