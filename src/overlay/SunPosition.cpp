#include "overlay/SunPosition.h"

#include "canvas/Truncate.h"
#include "math/angles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace overlay {

using math::degToRad;
using math::radToDeg;

namespace {
// Below this sine of the altitude the sun is far enough under the horizon
// that rho > 8 holds whatever the rounding, so the asin and tan can be skipped.
constexpr double kSurelyBelowHorizonSine = -1e-9;
}  // namespace

double solarDeclinationDeg(int day) {
    return 23.45 * std::sin(degToRad(0.986 * (day + 284)));
}

double equationOfTimeMin(int day) {
    const double b = degToRad((day - 1) * 360.0 / 365.0);
    return 229.2 * (0.000075 + 0.001868 * std::cos(b) - 0.032077 * std::sin(b) -
                    0.014615 * std::cos(2.0 * b) - 0.04089 * std::sin(2.0 * b));
}

double sunTimeCorrectionHours(int day, double longitudeDeg, double standardMeridianDeg) {
    return (4.0 * (standardMeridianDeg - longitudeDeg) + equationOfTimeMin(day)) / 60.0;
}

DiscBox discBoxAt(double x, double y) {
    return {truncPx(x - 1.5), truncPx(y - 1.5), truncPx(x + 1.5), truncPx(y + 1.5)};
}

struct SunDay::Altitude {
    double hourAngleDeg;
    double sinHourAngle;
    double cosHourAngle;
    double sine;  // sin of the altitude
};

SunDay::SunDay(double latitudeDeg, int day)
    : declinationDeg_(solarDeclinationDeg(day)),
      sinDeclination_(std::sin(degToRad(declinationDeg_))),
      cosDeclination_(std::cos(degToRad(declinationDeg_))),
      sinLatitude_(std::sin(degToRad(latitudeDeg))),
      cosLatitude_(std::cos(degToRad(latitudeDeg))) {}

SunDay::Altitude SunDay::altitudeAt(double sunTimeHours) const {
    Altitude a{};
    a.hourAngleDeg = 15.0 * (sunTimeHours - 12.0);
    const double omega = degToRad(a.hourAngleDeg);
    a.sinHourAngle = std::sin(omega);
    a.cosHourAngle = std::cos(omega);
    a.sine = sinDeclination_ * sinLatitude_ + cosDeclination_ * cosLatitude_ * a.cosHourAngle;
    return a;
}

void SunDay::placeOnChart(const Altitude& altitude, const chart::ChartGeometry& geometry,
                          bool evenBelowHorizon, SunPosition& p) const {
    p.declinationDeg = declinationDeg_;
    p.hourAngleDeg = altitude.hourAngleDeg;
    // With the sun at the zenith the sum can round to just above 1, where
    // asin has no value and the point would silently vanish.
    p.altitudeDeg = radToDeg(std::asin(std::clamp(altitude.sine, -1.0, 1.0)));
    p.rhoUnits = kHorizonUnits * std::tan(degToRad((90.0 - p.altitudeDeg) / 2.0));
    p.aboveHorizon = p.rhoUnits <= kHorizonUnits;
    if (!p.aboveHorizon && !evenBelowHorizon) {
        return;
    }
    // atan2 gives the azimuth positive towards west; the projection's runs
    // clockwise from north.
    p.azimuthDeg = -radToDeg(std::atan2(
        cosDeclination_ * altitude.sinHourAngle,
        sinDeclination_ * cosLatitude_ - cosDeclination_ * sinLatitude_ * altitude.cosHourAngle));
    p.radiusPx = geometry.chartRadius / kHorizonUnits * p.rhoUnits;
    const QPointF pixel = geometry.projection().atRadius(p.radiusPx, p.azimuthDeg);
    p.x = pixel.x();
    p.y = pixel.y();
}

QPointF SunPosition::mirrored(const chart::ChartGeometry& geometry) const {
    return geometry.projection().atRadius(radiusPx, -azimuthDeg);
}

SunPosition SunDay::at(double sunTimeHours, const chart::ChartGeometry& geometry) const {
    SunPosition p;
    placeOnChart(altitudeAt(sunTimeHours), geometry, true, p);
    return p;
}

std::optional<SunPosition> SunDay::ifAboveHorizon(double sunTimeHours,
                                                  const chart::ChartGeometry& geometry) const {
    const Altitude altitude = altitudeAt(sunTimeHours);
    if (altitude.sine < kSurelyBelowHorizonSine) {
        return std::nullopt;
    }
    SunPosition p;
    placeOnChart(altitude, geometry, false, p);
    if (!p.aboveHorizon) {
        return std::nullopt;
    }
    return p;
}

SunPosition sunPosition(double latitudeDeg, int day, double sunTimeHours,
                        const chart::ChartGeometry& geometry) {
    return SunDay(latitudeDeg, day).at(sunTimeHours, geometry);
}

}  // namespace overlay
