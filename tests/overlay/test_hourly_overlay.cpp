#include "overlay/HourlyOverlay.h"
#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"

#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace overlay;
using climate::HourlyColumn;
using Kind = climate::HourlyValue::Kind;

namespace {

const chart::ChartGeometry kChart = chart::ChartGeometry::forImage(460, 460);

// A quantity over `count` hours, varying over the day and the year, with an
// empty field now and then.
HourlyColumn yearColumn(Quantity quantity, std::size_t count) {
    HourlyColumn column(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double hour = static_cast<double>(i % 24);
        const double day = static_cast<double>(i / 24);
        const double value =
            quantity == Quantity::Temperature
                ? std::round(10 * (17.0 + 9.0 * std::sin((hour - 9.0) / 24.0 * 6.2832) +
                                   5.0 * std::cos(day / 365.0 * 6.2832))) /
                      10
                : std::round(std::max(0.0, 1200.0 * std::sin((hour - 6.0) / 12.0 * 3.1416)));
        column[i] = {i % 97 == 5 ? Kind::Empty : Kind::Number, i % 97 == 5 ? 0.0 : value};
    }
    return column;
}

// The overlay the plain way: every step reads its value on its own and
// draws its own ellipse. Stops at the first value it cannot read.
QImage stepByStepOverlay(const HourlyColumn& column, const HourlyOverlayInputs& in) {
    Canvas canvas;
    for (int n = in.periodItem == 0 ? 1 : 172; n <= (in.periodItem == 0 ? 171 : 365); ++n) {
        const double correction =
            sunTimeCorrectionHours(n, in.longitudeDeg, in.standardMeridianDeg);
        for (const double t : stepClockTimes()) {
            const HourlyReading r = readHourlyValue(column, n, t);
            if (!r.ok()) {
                return canvas.image();
            }
            const QColor c = classColour(in.quantity, valueClass(in.quantity, r.value));
            const SunPosition p = sunPosition(in.latitudeDeg, n, t + correction, kChart);
            if (p.rhoUnits <= 8.0) {
                canvas.setPenColor(c);
                canvas.setBrushColor(c);
                canvas.ellipse(p.disc().left, p.disc().top, p.disc().right, p.disc().bottom);
            }
        }
    }
    return canvas.image();
}

TEST(HourlyOverlay, PaintsThePixelsOfTheStepByStepReading) {
    const struct {
        const char* name;
        HourlyOverlayInputs inputs;
        std::size_t lineCount;
    } cases[] = {
        {"TemperatureFirstHalfSouth", {-27.6, 48.5, 0, Quantity::Temperature, 45.0}, 8760},
        {"TemperatureFarNorth", {65.0, 48.5, 1, Quantity::Temperature, 45.0}, 8760},
        {"GlobalSecondHalfNorth", {40.0, 45.0, 1, Quantity::GlobalHorizontalRadiation, 45.0}, 8760},
        {"DirectOwnMeridian", {-8.0, 35.0, 1, Quantity::DirectNormalRadiation, 30.0}, 8760},
        {"ShortFileStops", {-23.5, 46.6, 0, Quantity::Temperature, 45.0}, 2400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HourlyColumn column = yearColumn(c.inputs.quantity, c.lineCount);
        Canvas canvas;
        EXPECT_GT(drawHourlyPoints(canvas, kChart, column, c.inputs).discsDrawn, 1000);
        EXPECT_EQ(compareImages(canvas.image(), stepByStepOverlay(column, c.inputs),
                                QStringLiteral("overlay_%1").arg(QString::fromUtf8(c.name))),
                  "");
        EXPECT_EQ(canvas.penColor(), QColor(Qt::white));
        EXPECT_EQ(canvas.brushColor(), QColor(Qt::white));
        EXPECT_EQ(canvas.brushStyle(), BrushStyle::Solid);
    }
}

TEST(HourlyOverlay, EachHalfYearReadsOnlyItsDays) {
    const struct {
        const char* name;
        std::size_t badLine;
        int periodItem;
        int failingDay;  // 0: the half-year is drawn to its end
    } cases[] = {
        {"day 171 in the first half", 24 * 170 + 1, 0, 171},
        {"day 171 not in the second half", 24 * 170 + 1, 1, 0},
        {"day 172 not in the first half", 24 * 171 + 1, 0, 0},
        {"day 172 first of the second half", 24 * 171 + 1, 1, 172},
        {"night lines are read too", 24 * 300 + 2, 1, 301},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HourlyColumn column(8760, {Kind::Number, 15.0});
        column[c.badLine] = {Kind::Invalid, 0.0};
        Canvas canvas;
        const OverlayResult result = drawHourlyPoints(
            canvas, kChart, column, {-27.6, 48.5, c.periodItem, Quantity::Temperature, 45.0});
        ASSERT_EQ(result.complete(), c.failingDay == 0);
        if (!result.complete()) {
            EXPECT_EQ(result.failure->reason, OverlayFailure::Reason::NotANumber);
            EXPECT_EQ(result.failure->day, c.failingDay);
            EXPECT_EQ(result.failure->lineNumber(), c.badLine + 1);
        }
    }
}

}  // namespace
