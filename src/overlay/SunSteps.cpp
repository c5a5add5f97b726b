#include "overlay/SunSteps.h"

#include "math/angles.h"

#include <array>
#include <cmath>
#include <numbers>

namespace overlay {

using math::degToRad;
using math::radToDeg;

namespace {

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
      day_(latitudeDeg, 1),
      stepSine_(stepAngles().sine.data()),
      stepCosine_(stepAngles().cosine.data()) {
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

void SunSteps::complete(int step, double sine, double west, double north,
                        SunPosition& p) const {
    const double cosAltitude = std::sqrt(west * west + north * north);
    p.declinationDeg = day_.declinationDeg();
    p.hourAngleDeg =
        15.0 * (stepClockTimes()[static_cast<std::size_t>(step)] + correctionHours_ - 12.0);
    p.altitudeDeg = radToDeg(seriesAtan2(sine, cosAltitude));
    p.azimuthDeg = -radToDeg(seriesAtan2(west, north));
    p.rhoUnits = kHorizonUnits * cosAltitude / (1.0 + sine);
    p.radiusPx = geometry_.chartRadius / kHorizonUnits * p.rhoUnits;
    p.aboveHorizon = true;
}

}  // namespace overlay
