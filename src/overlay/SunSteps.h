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

#include <cmath>
#include <cstddef>
#include <optional>

namespace overlay {

class SunSteps {
public:
    SunSteps(double latitudeDeg, const chart::ChartGeometry& geometry);

    // The day, and the hours added to each step's clock time to make it sun
    // time (0 for the sun-time paths).
    void setDay(int day, double correctionHours);

    // As SunDay(latitude, day).ifAboveHorizon(step's clock time + correction).
    // Inline: it runs some 50,000 times a drawing.
    std::optional<SunPosition> ifAboveHorizon(int step) const;

private:
    // Where a step is handed to SunDay. The results here lie within some
    // 1e-12 of SunDay's (sine of the altitude) and 1e-9 px (pixels): the
    // margins leave a thousandfold room.
    static constexpr double kHorizonSineMargin = 1e-10;
    static constexpr double kZenithSineMargin = 1e-9;
    static constexpr double kHalfPixelMargin = 1e-6;

    // A disc's box moves by one pixel where its centre crosses a half pixel.
    static bool nearHalfPixel(double v) {
        return std::abs(v - std::floor(v) - 0.5) < kHalfPixelMargin;
    }
    std::optional<SunPosition> exactly(int step) const;
    // The rest of the position of a step whose pixel is known.
    void complete(int step, double sine, double west, double north, SunPosition& p) const;

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
    // The sine and cosine of each step's hour angle, its clock time taken
    // as sun time.
    const double* stepSine_;
    const double* stepCosine_;
};

// atan2 by a series, within 4e-16 rad of the exact value: the angles of the
// overlay's sun positions at a fraction of the library call's cost.
double seriesAtan2(double y, double x);

inline std::optional<SunPosition> SunSteps::ifAboveHorizon(int step) const {
    const auto k = static_cast<std::size_t>(step);
    const double sinOmega = stepSine_[k] * cosCorrection_ + stepCosine_[k] * sinCorrection_;
    const double cosOmega = stepCosine_[k] * cosCorrection_ - stepSine_[k] * sinCorrection_;
    const double sine = constantSine_ + hourSine_ * cosOmega;
    if (sine <= -kHorizonSineMargin) {
        return std::nullopt;
    }
    if (sine < kHorizonSineMargin || sine > 1.0 - kZenithSineMargin) {
        return exactly(step);
    }
    // The horizontal part of the sun's direction: cos h times the
    // azimuth's (sin, cos), west and north positive.
    const double west = day_.cosDeclination() * sinOmega;
    const double north =
        day_.sinDeclination() * cosLatitude_ - day_.cosDeclination() * sinLatitude_ * cosOmega;
    const double scale = geometry_.chartRadius / (1.0 + sine);
    std::optional<SunPosition> p(std::in_place);
    p->x = geometry_.chartCentreX - scale * west;
    p->y = geometry_.chartCentreY - scale * north;
    if (nearHalfPixel(p->x) || nearHalfPixel(p->y)) {
        return exactly(step);
    }
    complete(step, sine, west, north, *p);
    return p;
}

}  // namespace overlay
