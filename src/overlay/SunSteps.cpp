#include "overlay/SunSteps.h"

#include "math/angles.h"

#include <array>
#include <cmath>
#include <numbers>

namespace overlay {

using math::degToRad;
using math::radToDeg;

namespace {

// Where SunSteps hands a step to SunDay. Its own results lie within some 1e-12
// of SunDay's (sine of the altitude) and 1e-9 px (pixels): the margins leave
// a thousandfold room.
constexpr double kHorizonSineMargin = 1e-10;
constexpr double kZenithSineMargin = 1e-9;
constexpr double kHalfPixelMargin = 1e-6;

struct StepAngles {
    std::array<double, kStepsPerDay> sine{};
    std::array<double, kStepsPerDay> cosine{};
};

// The hour angle of each step's clock time taken as sun time.
const StepAngles& stepAngles() {
    static const StepAngles angles = [] {
        StepAngles a;
        const auto& times = stepClockTimes();
        for (std::size_t k = 0; k < times.size(); ++k) {
            const double omega = degToRad(15.0 * (times[k] - 12.0));
            a.sine[k] = std::sin(omega);
            a.cosine[k] = std::cos(omega);
        }
        return a;
    }();
    return angles;
}

// A disc's box moves by one pixel where its centre crosses a half pixel.
bool nearHalfPixel(double v) {
    return std::abs(v - std::floor(v) - 0.5) < kHalfPixelMargin;
}

// (-1)^n / (2n + 1), n = 0..12: the series of atan to the u^25 term.
constexpr std::array<double, 13> kAtanSeries = [] {
    std::array<double, 13> c{};
    for (std::size_t n = 0; n < c.size(); ++n) {
        c[n] = (n % 2 == 0 ? 1.0 : -1.0) / static_cast<double>(2 * n + 1);
    }
    return c;
}();

// atan(u) for |u| <= tan 15°, where the first term left out is below
// 1e-17 |u|.
double atanNearZero(double u) {
    const double z = u * u;
    double sum = kAtanSeries.back();
    for (std::size_t n = kAtanSeries.size() - 1; n-- > 0;) {
        sum = kAtanSeries[n] + z * sum;
    }
    return u * sum;
}

}  // namespace

double seriesAtan2(double y, double x) {
    const double ax = std::abs(x);
    const double ay = std::abs(y);
    if (!(ax > 0.0 || ay > 0.0) || !std::isfinite(ax) || !std::isfinite(ay)) {
        return std::atan2(y, x);
    }
    constexpr double kSqrt3 = std::numbers::sqrt3;
    constexpr double kTan15 = 2.0 - kSqrt3;
    const bool steep = ay > ax;
    const double t = steep ? ax / ay : ay / ax;  // in [0, 1]
    // Above 15° the angle is 30° plus that of (√3 t - 1) / (t + √3).
    double angle = t > kTan15 ? std::numbers::pi / 6.0 + atanNearZero((kSqrt3 * t - 1.0) / (t + kSqrt3))
                              : atanNearZero(t);
    if (steep) {
        angle = std::numbers::pi / 2.0 - angle;
    }
    if (x < 0.0) {
        angle = std::numbers::pi - angle;
    }
    return std::copysign(angle, y);
}

SunSteps::SunSteps(double latitudeDeg, const chart::ChartGeometry& geometry)
    : latitudeDeg_(latitudeDeg),
      geometry_(geometry),
      sinLatitude_(std::sin(degToRad(latitudeDeg))),
      cosLatitude_(std::cos(degToRad(latitudeDeg))),
      day_(latitudeDeg, 1) {
    setDay(1, 0.0);
}

void SunSteps::setDay(int day, double correctionHours) {
    day_ = SunDay(latitudeDeg_, day);
    correctionHours_ = correctionHours;
    const double delta = degToRad(15.0 * correctionHours);
    sinCorrection_ = std::sin(delta);
    cosCorrection_ = std::cos(delta);
    constantSine_ = day_.sinDeclination() * sinLatitude_;
    hourSine_ = day_.cosDeclination() * cosLatitude_;
}

std::optional<SunPosition> SunSteps::exactly(int step) const {
    return day_.ifAboveHorizon(stepClockTimes()[static_cast<std::size_t>(step)] + correctionHours_,
                               geometry_);
}

std::optional<SunPosition> SunSteps::ifAboveHorizon(int step) const {
    const auto k = static_cast<std::size_t>(step);
    const StepAngles& angles = stepAngles();
    const double sinOmega = angles.sine[k] * cosCorrection_ + angles.cosine[k] * sinCorrection_;
    const double cosOmega = angles.cosine[k] * cosCorrection_ - angles.sine[k] * sinCorrection_;
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
    const double north = day_.sinDeclination() * cosLatitude_ -
                         day_.cosDeclination() * sinLatitude_ * cosOmega;
    const double scale = geometry_.chartRadius / (1.0 + sine);
    SunPosition p;
    p.x = geometry_.chartCentreX - scale * west;
    p.y = geometry_.chartCentreY - scale * north;
    if (nearHalfPixel(p.x) || nearHalfPixel(p.y)) {
        return exactly(step);
    }
    const double cosAltitude = std::sqrt(west * west + north * north);
    p.declinationDeg = day_.declinationDeg();
    p.hourAngleDeg =
        15.0 * (stepClockTimes()[k] + correctionHours_ - 12.0);
    p.altitudeDeg = radToDeg(seriesAtan2(sine, cosAltitude));
    p.azimuthDeg = -radToDeg(seriesAtan2(west, north));
    p.rhoUnits = kHorizonUnits * cosAltitude / (1.0 + sine);
    p.radiusPx = geometry_.chartRadius / kHorizonUnits * p.rhoUnits;
    p.aboveHorizon = true;
    return p;
}

}  // namespace overlay
