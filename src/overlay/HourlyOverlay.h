// The hourly overlay: for every day of a half-year and every step of the day,
// one climate quantity at that moment, interpolated between whole hours, as a
// disc coloured by its value class at the sun's place on the chart.
//
// Drawn on the overlay layer of the chart (pixels, origin top-left, y down).
// Latitude in degrees, north positive; longitudes and the standard meridian
// in degrees, positive west of Greenwich.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"
#include "climate/HourlyColumn.h"
#include "overlay/ValueClasses.h"

#include <QPointF>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace overlay {

struct HourlyOverlayInputs {
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    int periodItem = 0;  // item of the half-year list
    Quantity quantity = Quantity::Temperature;
    // The meridian whose time the clocks keep; 45° W unless the caller knows
    // the city's time zone.
    double standardMeridianDeg = 45.0;
};

// Why a drawing stopped before the end of the half-year.
struct OverlayFailure {
    enum class Reason {
        MissingLine,   // the file ends before the line the step needs
        MissingField,  // the line has too few fields for the quantity
        NotANumber,    // the field is neither empty nor a number
    };
    Reason reason = Reason::MissingLine;
    std::size_t lineIndex = 0;  // from 0, as the file is addressed
    std::size_t lineCount = 0;  // lines the column holds
    int day = 0;
    Quantity quantity = Quantity::Temperature;

    // The line as a person counts it, from 1.
    std::size_t lineNumber() const { return lineIndex + 1; }
};

// One disc drawn: the sun at a step of a day, the value read for that moment
// and its class, and the chart pixel of the disc's centre.
struct SunSample {
    int day = 0;
    double clockTimeHours = 0.0;
    double altitudeDeg = 0.0;
    double azimuthDeg = 0.0;  // clockwise from north, as chart::Projection
    double value = 0.0;
    int valueClass = 1;
    QPointF pixel;
};

struct OverlayResult {
    // Empty when the whole half-year was drawn; otherwise the points up to the
    // failing step stay on the canvas.
    std::optional<OverlayFailure> failure;
    int discsDrawn = 0;
    // In the order drawn.
    std::vector<SunSample> samples;

    bool complete() const { return !failure.has_value(); }
};

// The value at a clock time of a day as the overlay reads it: the line of
// the step's whole hour, interpolated towards the next line by the fraction.
// An empty field is 0 on the step's own line and no change on the next; at
// the file's last line there is no interpolation.
struct HourlyReading {
    double value = 0.0;
    std::optional<OverlayFailure::Reason> failure;
    std::size_t failedLine = 0;  // from 0, when failure is set

    bool ok() const { return !failure.has_value(); }
};
HourlyReading readHourlyValue(const climate::HourlyColumn& column, int day, double clockTimeHours);

// The overlay of the quantity's column (one value per line of the hourly
// file). Leaves the pen and the brush white, as every step does.
OverlayResult drawHourlyPoints(Canvas& canvas, const chart::ChartGeometry& geometry,
                               const climate::HourlyColumn& column,
                               const HourlyOverlayInputs& inputs);

// A sentence in Portuguese for the warning shown after a failed drawing; the
// caller adds the file's name.
QString describeOverlayFailure(const OverlayFailure& failure);

}  // namespace overlay
