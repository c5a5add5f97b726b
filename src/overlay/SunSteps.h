// The sun at the 231 steps of the day (TimeSteps.h), day after day, for one
// latitude and one chart: the loop of the hourly overlay and the path marks,
// some 45,000 positions per drawing.
//
// SunDay::ifAboveHorizon spends seven transcendental calls on a position.
// Here what does not change is computed once: the steps' hour angles once for
// all, the declination and the sun-time correction once a day. A position
// then costs a few products, one division for the pixel and two short
// arc-tangent series for the angles:
//   sin and cos of the hour angle  by the angle sum of the step's angle and
//                                  the day's correction;
//   the pixel                      X = cx - R y / (1 + sin h),
//                                  Y = cy - R x / (1 + sin h), where (x, y)
//                                  is cos h times the azimuth's (cos, sin):
//                                  R tan((90 - h) / 2) along the azimuth
//                                  without the angles;
//   altitude and azimuth           atan2, from the same sums.
//
// The pixels must be those of SunDay to the pixel, and the results here differ
// from its in the last bits (below 1e-9 px and degrees). Wherever those bits
// could matter, the step is handed to SunDay itself: the sun within a hair of
// the horizon or of the zenith, or a disc centre within a hair of the half
// pixel where the disc's box moves by one.
//
// Units and pixel origin as in SunPosition.h.
#pragma once

#include "chart/ChartGeometry.h"
#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"

#include <optional>

namespace overlay {

class SunSteps {
public:
    SunSteps(double latitudeDeg, const chart::ChartGeometry& geometry);

    // The day, and the hours added to each step's clock time to make it sun
    // time (0 for the sun-time paths).
    void setDay(int day, double correctionHours);

    // As SunDay(latitude, day).ifAboveHorizon(step's clock time + correction).
    std::optional<SunPosition> ifAboveHorizon(int step) const;

private:
    std::optional<SunPosition> exactly(int step) const;

    double latitudeDeg_;
    chart::ChartGeometry geometry_;
    double sinLatitude_;
    double cosLatitude_;
    // Of the day set.
    SunDay day_;
    double correctionHours_ = 0.0;
    double sinCorrection_ = 0.0;
    double cosCorrection_ = 1.0;
    double constantSine_ = 0.0;  // sin δ sin φ
    double hourSine_ = 0.0;      // cos δ cos φ
};

// atan2 by a series, within 4e-16 rad of the exact value: the angles of the
// overlay's sun positions at a fraction of the library call's cost.
double seriesAtan2(double y, double x);

}  // namespace overlay
