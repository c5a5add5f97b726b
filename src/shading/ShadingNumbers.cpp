#include "shading/ShadingNumbers.h"

#include "chart/FacadeAngles.h"
#include "overlay/HalfYear.h"
#include "overlay/HourlyOverlay.h"
#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"
#include "overlay/ValueClasses.h"

namespace shading {

namespace {

constexpr int kDaysPerYear = 365;

double valueAt(const HourlyClimate& year, const climate::HourlyColumn& column,
               overlay::Quantity quantity, int day, int hour) {
    const overlay::HourlyReading reading =
        overlay::readHourlyValue(column, day, static_cast<double>(hour));
    if (!reading.ok()) {
        const overlay::OverlayFailure failure{*reading.failure, reading.failedLine, column.size(),
                                              day, quantity};
        throw ShadingDataError(QStringLiteral("Arquivo %1 inválido! %2")
                                   .arg(year.file, overlay::describeOverlayFailure(failure))
                                   .toStdString());
    }
    return reading.value;
}

// Hours, shade and radiation summed over one cell's hours.
struct Tally {
    int hours = 0;
    double shadedHours = 0.0;
    double energyWh = 0.0;
    double blockedWh = 0.0;

    void addHour(double shade) {
        ++hours;
        shadedHours += shade;
    }
    ShadingCell hoursCell() const {
        ShadingCell cell;
        cell.hours = hours;
        if (hours > 0) {
            cell.shadedPct = 100.0 * shadedHours / hours;
        }
        return cell;
    }
    ShadingCell radiationCell() const {
        ShadingCell cell;
        cell.hours = hours;
        cell.kwhPerM2 = energyWh / 1000.0;
        if (energyWh > 0.0) {
            cell.shadedPct = 100.0 * blockedWh / energyWh;
        }
        return cell;
    }
};

}  // namespace

std::vector<SunHour> sunHoursInFront(const HourlyClimate& year,
                                     const chart::ChartGeometry& geometry, double orientationDeg) {
    std::vector<SunHour> hours;
    hours.reserve(kDaysPerYear * overlay::kHoursPerDay / 2);
    for (int day = 1; day <= kDaysPerYear; ++day) {
        const overlay::SunDay sun(year.latitudeDeg, day);
        const double correction =
            overlay::sunTimeCorrectionHours(day, year.longitudeDeg, year.standardMeridianDeg);
        for (int hour = 0; hour < overlay::kHoursPerDay; ++hour) {
            // Every line of the year is read, as the overlay reads them all.
            const double temperature =
                valueAt(year, year.temperature, overlay::Quantity::Temperature, day, hour);
            const double direct = valueAt(year, year.directNormal,
                                          overlay::Quantity::DirectNormalRadiation, day, hour);
            const auto position = sun.ifAboveHorizon(hour + correction, geometry);
            if (!position) {
                continue;
            }
            const chart::SkyDirection sky{position->altitudeDeg, position->azimuthDeg};
            const chart::Facing facing = chart::facingOf(sky, orientationDeg);
            if (!facing.inFront) {
                continue;
            }
            hours.push_back({day,
                             hour,
                             sky,
                             {position->x, position->y},
                             facing.cosIncidence,
                             overlay::valueClass(overlay::Quantity::Temperature, temperature),
                             direct});
        }
    }
    return hours;
}

ShadingTable tabulate(const std::vector<SunHour>& hours, const MaskCoverage& masks) {
    std::array<std::array<Tally, kMeasures.size()>, kPeriods.size()> tallies{};
    const int lastDayOfFirstHalf = overlay::halfYearDays(0).last;
    for (const SunHour& h : hours) {
        const double shade = masks.shadeAt(h.chartPoint);
        const Period half = h.day <= lastDayOfFirstHalf ? Period::FirstHalf : Period::SecondHalf;
        for (const Period p : {half, Period::Year}) {
            auto& row = tallies[static_cast<std::size_t>(p)];
            row[static_cast<std::size_t>(Measure::Sun)].addHour(shade);
            row[static_cast<std::size_t>(classMeasure(h.temperatureClass))].addHour(shade);
            if (h.directNormalWm2 > 0.0) {
                Tally& radiation = row[static_cast<std::size_t>(Measure::Radiation)];
                const double wh = h.directNormalWm2 * h.cosIncidence;
                radiation.addHour(shade);
                radiation.energyWh += wh;
                radiation.blockedWh += wh * shade;
            }
        }
    }
    ShadingTable table;
    for (const Period p : kPeriods) {
        for (const Measure m : kMeasures) {
            const Tally& t = tallies[static_cast<std::size_t>(p)][static_cast<std::size_t>(m)];
            table.at(p, m) = m == Measure::Radiation ? t.radiationCell() : t.hoursCell();
        }
    }
    return table;
}

ShadingTable shadingTable(const HourlyClimate& year, const chart::ChartGeometry& geometry,
                          const MaskCoverage& masks) {
    return tabulate(sunHoursInFront(year, geometry, masks.typed().orientationDeg), masks);
}

}  // namespace shading
