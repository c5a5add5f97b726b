#include "shading/ShadingNumbers.h"

#include "chart/FacadeAngles.h"
#include "math/angles.h"
#include "overlay/HalfYear.h"
#include "overlay/HourlyOverlay.h"
#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"
#include "overlay/ValueClasses.h"

#include <cmath>

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

// Whether the sun may stand above the horizon in front of the façade, told
// from the hour angle by a few products: most hours are then dismissed
// without placing the sun on the chart. It lets through every hour within a
// hair of the horizon or the façade plane, for the exact rules to decide.
// The hours of a day are visited in order, the hour angle turned by 15° from
// one to the next.
class FrontOfFacade {
public:
    FrontOfFacade(double latitudeDeg, double orientationDeg)
        : sinLatitude_(std::sin(math::degToRad(latitudeDeg))),
          cosLatitude_(std::cos(math::degToRad(latitudeDeg))),
          sinOrientation_(std::sin(math::degToRad(orientationDeg))),
          cosOrientation_(std::cos(math::degToRad(orientationDeg))) {}

    // The day of `sun`, whose hour 0 is at this sun time.
    void startDay(const overlay::SunDay& sun, double sunTimeAtMidnight) {
        sinDeclination_ = std::sin(math::degToRad(sun.declinationDeg()));
        cosDeclination_ = std::cos(math::degToRad(sun.declinationDeg()));
        const double omega = math::degToRad(15.0 * (sunTimeAtMidnight - 12.0));
        sinOmega_ = std::sin(omega);
        cosOmega_ = std::cos(omega);
    }

    // For the day's next hour, from hour 0.
    bool nextHourMayHold() {
        constexpr double kHair = 1e-6;
        const double up =
            sinDeclination_ * sinLatitude_ + cosDeclination_ * cosLatitude_ * cosOmega_;
        const double east = -cosDeclination_ * sinOmega_;
        const double north =
            sinDeclination_ * cosLatitude_ - cosDeclination_ * sinLatitude_ * cosOmega_;
        const double sinNext = sinOmega_ * kCos15 + cosOmega_ * kSin15;
        cosOmega_ = cosOmega_ * kCos15 - sinOmega_ * kSin15;
        sinOmega_ = sinNext;
        return up > -kHair && east * sinOrientation_ + north * cosOrientation_ > -kHair;
    }

private:
    static constexpr double kSin15 = 0.25881904510252074;  // sin 15°
    static constexpr double kCos15 = 0.96592582628906831;  // cos 15°

    double sinLatitude_;
    double cosLatitude_;
    double sinOrientation_;
    double cosOrientation_;
    double sinDeclination_ = 0.0;
    double cosDeclination_ = 1.0;
    double sinOmega_ = 0.0;
    double cosOmega_ = 1.0;
};

}  // namespace

std::vector<SunHour> sunHoursInFront(const HourlyClimate& year,
                                     const chart::ChartGeometry& geometry, double orientationDeg) {
    std::vector<SunHour> hours;
    hours.reserve(kDaysPerYear * overlay::kHoursPerDay / 2);
    FrontOfFacade front(year.latitudeDeg, orientationDeg);
    for (int day = 1; day <= kDaysPerYear; ++day) {
        const overlay::SunDay sun(year.latitudeDeg, day);
        const double correction =
            overlay::sunTimeCorrectionHours(day, year.longitudeDeg, year.standardMeridianDeg);
        front.startDay(sun, correction);
        for (int hour = 0; hour < overlay::kHoursPerDay; ++hour) {
            // Every line of the year is read, as the overlay reads them all.
            const double temperature =
                valueAt(year, year.temperature, overlay::Quantity::Temperature, day, hour);
            const double direct = valueAt(year, year.directNormal,
                                          overlay::Quantity::DirectNormalRadiation, day, hour);
            if (!front.nextHourMayHold()) {
                continue;
            }
            const double sunTime = hour + correction;
            const auto position = sun.ifAboveHorizon(sunTime, geometry);
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
