// Where the sun stands for a day of the year and a sun time, and where that
// puts it on the sun-path chart. The hourly overlay, the path marks and the
// path labels all place the sun through this one computation, so their points
// line up to the pixel.
//
// Angles are degrees everywhere and become radians only inside the
// trigonometric calls. Sun time is in hours, 12 when the sun crosses the
// meridian; day 1 is 1 January of a 365-day year. Chart points are pixels of
// the chart layers: origin top-left, y down, the zenith at the chart centre,
// north up, west to the left. The chart measures the sky in units of
// chartRadius / 8 pixels (24 px), the horizon lying 8 units from the centre.
#pragma once

#include "chart/ChartGeometry.h"

#include <optional>

namespace overlay {

// The horizon's distance from the centre, in chart units.
inline constexpr double kHorizonUnits = 8.0;

// 23.45 sin(0.986 (n + 284)): the factor is 0.986, not 360/365, as the
// charts have always been drawn.
double solarDeclinationDeg(int day);

// The equation of time in minutes.
double equationOfTimeMin(int day);

// Hours to add to the clock time of a place at longitudeDeg (positive west)
// that keeps the time of standardMeridianDeg (positive west) to get its sun
// time on that day.
double sunTimeCorrectionHours(int day, double longitudeDeg, double standardMeridianDeg);

// The box of a sun disc around a chart point, truncated toward zero; right and
// bottom excluded, as Canvas::ellipse takes it.
struct DiscBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const DiscBox&, const DiscBox&) = default;
};
DiscBox discBoxAt(double x, double y);

struct SunPosition {
    double declinationDeg = 0.0;
    double hourAngleDeg = 0.0;  // negative in the morning
    double altitudeDeg = 0.0;
    // Clockwise from north as the projection takes it, in (-180, 180]:
    // positive in the morning (east), negative in the afternoon (west).
    double azimuthDeg = 0.0;
    double rhoUnits = 0.0;  // distance from the centre in chart units
    double radiusPx = 0.0;
    double x = 0.0;  // the chart pixel of the projection
    double y = 0.0;
    bool aboveHorizon = false;  // rho <= 8: on the chart

    DiscBox disc() const { return discBoxAt(x, y); }
    // The point mirrored across the north-south line: where the same path
    // meets the same altitude on the other side of noon.
    QPointF mirrored(const chart::ChartGeometry& geometry) const;
};

// The sun's course on one day at one latitude: what does not change within
// the day is computed once.
class SunDay {
public:
    SunDay(double latitudeDeg, int day);

    double declinationDeg() const { return declinationDeg_; }

    SunPosition at(double sunTimeHours, const chart::ChartGeometry& geometry) const;
    // The same numbers as at(), bit for bit, but nothing when the sun is below
    // the horizon, where the azimuth is not worth its cost.
    std::optional<SunPosition> ifAboveHorizon(double sunTimeHours,
                                              const chart::ChartGeometry& geometry) const;

private:
    struct Altitude;
    Altitude altitudeAt(double sunTimeHours) const;
    // Below the horizon the azimuth and the point are filled in only on request.
    void placeOnChart(const Altitude& altitude, const chart::ChartGeometry& geometry,
                      bool evenBelowHorizon, SunPosition& position) const;

    double declinationDeg_;
    double sinDeclination_;
    double cosDeclination_;
    double sinLatitude_;
    double cosLatitude_;
};

SunPosition sunPosition(double latitudeDeg, int day, double sunTimeHours,
                        const chart::ChartGeometry& geometry);

}  // namespace overlay
