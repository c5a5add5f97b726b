// How much the masks shade: every hourly line of the year whose hour has the
// sun above the horizon and in front of the façade, placed on the chart where
// the overlay puts the sun at that clock hour, and tallied by half-year,
// temperature class and direct radiation under the mask layer.
//
// Hour h of day n is line 24 (n - 1) + h of the hourly file, read as the
// overlay reads it at h:00 (an empty field is 0). Its sun time is h plus the
// overlay's correction for the city's longitude, clock meridian and the
// equation of time. The direct radiation on the façade of an hour is the
// direct normal radiation times the cosine of the angle between the sun and
// the façade normal, over one hour.
#pragma once

#include "chart/ChartGeometry.h"
#include "shading/HourlyClimate.h"
#include "shading/MaskCoverage.h"
#include "shading/ShadingTable.h"

#include <QPointF>

#include <vector>

namespace shading {

struct SunHour {
    int day = 1;   // 1 to 365
    int hour = 0;  // clock hour, 0 to 23
    chart::SkyDirection sun;
    QPointF chartPoint;  // the sun's point on the chart, unrounded
    double cosIncidence = 0.0;
    int temperatureClass = 1;  // 1 to 5, the overlay's classes
    double directNormalWm2 = 0.0;
};

// The hours of the year with the sun on the chart (as the overlay's discs)
// and strictly in front of the façade of this orientation, in file order.
// Throws ShadingDataError at the first line of the year that the overlay
// could not read: the file ends before it, or its field is missing or not a
// number.
std::vector<SunHour> sunHoursInFront(const HourlyClimate& year,
                                     const chart::ChartGeometry& geometry, double orientationDeg);

// Those hours under the masks.
ShadingTable tabulate(const std::vector<SunHour>& hours, const MaskCoverage& masks);

// Both, for the façade of the masks' orientation.
ShadingTable shadingTable(const HourlyClimate& year, const chart::ChartGeometry& geometry,
                          const MaskCoverage& masks);

}  // namespace shading
