#include "overlay/SunThrough.h"

#include "chart/SunPathChart.h"
#include "math/angles.h"
#include "overlay/Calendar.h"
#include "overlay/SunPosition.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace overlay {

using math::degToRad;
using math::radToDeg;

SunThrough sunThrough(const chart::SkyDirection& sky, double latitudeDeg) {
    const double h = degToRad(sky.altitudeDeg);
    const double a = degToRad(sky.azimuthDeg);
    const double east = std::cos(h) * std::sin(a);
    const double north = std::cos(h) * std::cos(a);
    const double up = std::sin(h);
    const double phi = degToRad(latitudeDeg);
    // The direction turned from the horizon's axes to the equator's: the
    // polar axis lies in the meridian, tilted by the latitude.
    const double sinDeclination = north * std::cos(phi) + up * std::sin(phi);
    const double towardMeridian = up * std::cos(phi) - north * std::sin(phi);
    SunThrough sun;
    sun.declinationDeg = radToDeg(std::asin(std::clamp(sinDeclination, -1.0, 1.0)));
    // The hour angle is negative in the morning, when the sun is east.
    const double hourAngleDeg = radToDeg(std::atan2(-east, towardMeridian));
    sun.sunTimeHours = std::fmod(12.0 + hourAngleDeg / 15.0 + 24.0, 24.0);
    return sun;
}

bool withinDatePaths(double declinationDeg) {
    const double extremeDeg = radToDeg(chart::kDeclinationTable.back());
    return std::abs(declinationDeg) <= extremeDeg;
}

std::array<int, 2> daysOfDeclination(double declinationDeg) {
    static const std::array<double, kDaysInYear> declinations = [] {
        std::array<double, kDaysInYear> table{};
        for (int n = 1; n <= kDaysInYear; ++n) {
            table[static_cast<std::size_t>(n - 1)] = solarDeclinationDeg(n);
        }
        return table;
    }();
    // Nearest on each half of the year's cycle; the year runs on into the
    // next, so the day before day 1 is day 365.
    std::array<int, 2> nearest{1, 1};
    std::array<double, 2> bestGap{std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::infinity()};
    for (int n = 1; n <= kDaysInYear; ++n) {
        const double here = declinations[static_cast<std::size_t>(n - 1)];
        const double before =
            declinations[static_cast<std::size_t>(n == 1 ? kDaysInYear - 1 : n - 2)];
        const std::size_t half = here >= before ? 0 : 1;
        const double gap = std::abs(here - declinationDeg);
        if (gap < bestGap[half]) {
            bestGap[half] = gap;
            nearest[half] = n;
        }
    }
    std::sort(nearest.begin(), nearest.end());
    return nearest;
}

}  // namespace overlay
