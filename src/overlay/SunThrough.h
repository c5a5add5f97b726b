// The sun that would stand at a sky direction: the inverse of SunDay::at. The
// readout under the pointer names the declination, the sun time and the days
// of the year of the point it reads, by the overlay's own rules, so a point
// read on a drawn disc gives back that disc's day and time.
//
// Degrees; sun time in hours (12 at the meridian); days 1 to 365.
#pragma once

#include "chart/Projection.h"

#include <array>

namespace overlay {

struct SunThrough {
    double declinationDeg = 0.0;
    double sunTimeHours = 12.0;  // in [0, 24)
};

// The declination and the sun time at which the sun of a latitude stands at
// the direction.
SunThrough sunThrough(const chart::SkyDirection& sky, double latitudeDeg);

// Whether the chart's extreme date paths enclose the declination: the sun of
// some day of the year passes there (the overlay's declinations never go
// beyond those paths).
bool withinDatePaths(double declinationDeg);

// The two days whose declination (solarDeclinationDeg) is nearest: one while
// it rises (late December to late June) and one while it falls, the earlier
// of the year first.
std::array<int, 2> daysOfDeclination(double declinationDeg);

}  // namespace overlay
