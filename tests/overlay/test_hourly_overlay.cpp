#include "overlay/HourlyOverlay.h"
#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"

#include "math/numbers.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace overlay;
using climate::HourlyColumn;
using climate::HourlyValue;
using Kind = climate::HourlyValue::Kind;

namespace {

const chart::ChartGeometry kChart = chart::ChartGeometry::forImage(460, 460);

std::vector<std::string> splitCommas(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos;
         start = comma + 1) {
        fields.push_back(line.substr(start, comma - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

// Hourly lines of a year with fields 3, 15 and 17 varying over the day and
// the year, some of them empty.
std::vector<std::string> yearLines(std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i) {
        const double hour = static_cast<double>(i % 24);
        const double day = static_cast<double>(i / 24);
        const double temp = 17.0 + 9.0 * std::sin((hour - 9.0) / 24.0 * 6.2832) +
                            5.0 * std::cos(day / 365.0 * 6.2832);
        const double sun = std::max(0.0, 1200.0 * std::sin((hour - 6.0) / 12.0 * 3.1416));
        std::string line("1,1,");
        line += std::to_string(static_cast<int>(hour));
        line += ',';
        if (i % 97 != 5) {
            line += math::formatGeneral(std::round(temp * 10) / 10);
        }
        for (int f = 4; f < 15; ++f) {
            line += ",0";
        }
        line += ',';
        if (i % 89 != 7) {
            line += math::formatGeneral(std::round(sun));
        }
        line += ",0,";
        line += math::formatGeneral(std::round(sun * 0.8));
        lines.push_back(line);
    }
    return lines;
}

HourlyColumn columnOf(const std::vector<std::string>& lines, int field) {
    HourlyColumn column;
    for (const std::string& line : lines) {
        const auto fields = splitCommas(line);
        const auto f = static_cast<std::size_t>(field);
        if (f >= fields.size()) {
            column.push_back({Kind::Missing, 0.0});
        } else if (fields[f].empty()) {
            column.push_back({Kind::Empty, 0.0});
        } else if (const auto v = math::parseNumber(fields[f])) {
            column.push_back({Kind::Number, *v});
        } else {
            column.push_back({Kind::Invalid, 0.0});
        }
    }
    return column;
}

// The overlay read the plain way: every step splits its line(s) and every
// disc is its own ellipse. Stops at the first line it cannot read.
QImage stepByStepOverlay(const std::vector<std::string>& lines, const HourlyOverlayInputs& in) {
    Canvas canvas;
    const int field = hourlyField(in.quantity);
    auto read = [&](std::size_t i, double empty, double& v) {
        if (i >= lines.size()) {
            return false;
        }
        const auto fields = splitCommas(lines[i]);
        if (static_cast<std::size_t>(field) >= fields.size()) {
            return false;
        }
        const std::string& text = fields[static_cast<std::size_t>(field)];
        if (text.empty()) {
            v = empty;
            return true;
        }
        const auto number = math::parseNumber(text);
        v = number.value_or(0.0);
        return number.has_value();
    };
    const int first = in.periodItem == 0 ? 1 : 172;
    const int last = in.periodItem == 0 ? 171 : 365;
    for (int n = first; n <= last; ++n) {
        double t = 0.0;
        for (int k = 0; k <= 230; ++k) {
            if (k == 120)
                t += 0.01;
            if (k == 121)
                t -= 0.01;
            const double sunTime =
                t + sunTimeCorrectionHours(n, in.longitudeDeg, in.standardMeridianDeg);
            const SunPosition p = sunPosition(in.latitudeDeg, n, sunTime, kChart);
            const std::size_t i =
                24 * static_cast<std::size_t>(n - 1) + static_cast<std::size_t>(t);
            const double f = t - std::floor(t);
            double v1 = 0.0;
            if (!read(i, 0.0, v1)) {
                return canvas.image();
            }
            double v = v1;
            if (f != 0.0 && i + 1 < lines.size()) {
                double v2 = 0.0;
                if (!read(i + 1, v1, v2)) {
                    return canvas.image();
                }
                v = v1 + f * (v2 - v1);
            }
            const QColor c = classColour(in.quantity, valueClass(in.quantity, v));
            canvas.setPenColor(c);
            canvas.setBrushColor(c);
            if (p.rhoUnits <= 8.0) {
                canvas.setPenWidth(1);
                const DiscBox b = p.disc();
                canvas.ellipse(b.left, b.top, b.right, b.bottom);
            }
            canvas.setPenColor(Qt::white);
            canvas.setBrushColor(Qt::white);
            t += 0.1;
        }
    }
    return canvas.image();
}

struct ReferenceCase {
    const char* name;
    HourlyOverlayInputs inputs;
    std::size_t lineCount;
};

class OverlayAgainstStepByStep : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(OverlayAgainstStepByStep, PaintsTheSamePixels) {
    const ReferenceCase& c = GetParam();
    const auto lines = yearLines(c.lineCount);
    Canvas canvas;
    const OverlayResult result =
        DrawHourlyPoints(canvas, kChart, columnOf(lines, hourlyField(c.inputs.quantity)), c.inputs);
    EXPECT_GT(result.discsDrawn, 1000);
    EXPECT_EQ(compareImages(canvas.image(), stepByStepOverlay(lines, c.inputs),
                            QStringLiteral("overlay_%1").arg(QString::fromUtf8(c.name))),
              "");
    EXPECT_EQ(canvas.penColor(), QColor(Qt::white));
    EXPECT_EQ(canvas.brushColor(), QColor(Qt::white));
    EXPECT_EQ(canvas.brushStyle(), BrushStyle::Solid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OverlayAgainstStepByStep,
    ::testing::Values(
        ReferenceCase{
            "TemperatureFirstHalfSouth", {-27.6, 48.5, 0, Quantity::Temperature, 45.0}, 8760},
        ReferenceCase{"GlobalSecondHalfNorth",
                      {40.0, 45.0, 1, Quantity::GlobalHorizontalRadiation, 45.0},
                      8760},
        ReferenceCase{
            "DirectOwnMeridian", {-8.0, 35.0, 1, Quantity::DirectNormalRadiation, 30.0}, 8760},
        ReferenceCase{"ShortFileStops", {-23.5, 46.6, 0, Quantity::Temperature, 45.0}, 2400}),
    [](const auto& p) { return std::string(p.param.name); });

struct ClassColourCase {
    Quantity quantity;
    double value;
    QColor colour;
};

class OverlayColour : public ::testing::TestWithParam<ClassColourCase> {};

TEST_P(OverlayColour, EveryDiscHasTheColourOfItsClass) {
    const ClassColourCase& c = GetParam();
    Canvas canvas;
    DrawHourlyPoints(canvas, kChart, HourlyColumn(8760, {Kind::Number, c.value}),
                     {-27.6, 48.5, 1, c.quantity, 45.0});
    const int painted = countPainted(canvas.image());
    EXPECT_GT(painted, 20000);
    EXPECT_EQ(countPixels(canvas.image(), c.colour), painted);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, OverlayColour,
    ::testing::Values(
        ClassColourCase{Quantity::Temperature, 10.0, QColor(0, 0, 128)},
        ClassColourCase{Quantity::Temperature, 12.0, QColor(0, 0, 255)},
        ClassColourCase{Quantity::Temperature, 20.0, QColor(0, 192, 255)},
        ClassColourCase{Quantity::Temperature, 25.0, QColor(255, 204, 0)},
        ClassColourCase{Quantity::Temperature, 31.0, QColor(207, 0, 0)},
        ClassColourCase{Quantity::DirectNormalRadiation, 100.0, QColor(255, 255, 150)},
        ClassColourCase{Quantity::DirectNormalRadiation, 400.0, QColor(255, 255, 0)},
        ClassColourCase{Quantity::GlobalHorizontalRadiation, 850.0, QColor(255, 204, 0)},
        ClassColourCase{Quantity::GlobalHorizontalRadiation, 1000.0, QColor(216, 129, 0)},
        ClassColourCase{Quantity::GlobalHorizontalRadiation, 1300.0, QColor(255, 0, 0)}));

TEST(OverlayFailure, ShortColumnStopsWithTheLineNamedAndKeepsThePointsDrawn) {
    Canvas canvas;
    const OverlayResult result =
        DrawHourlyPoints(canvas, kChart, HourlyColumn(24 * 100, {Kind::Number, 30.0}),
                         {-27.6, 48.5, 0, Quantity::Temperature, 45.0});
    ASSERT_FALSE(result.complete());
    EXPECT_EQ(result.failure->reason, OverlayFailure::Reason::MissingLine);
    EXPECT_EQ(result.failure->lineIndex, 2400u);
    EXPECT_EQ(result.failure->day, 101);
    EXPECT_GT(countPixels(canvas.image(), QColor(207, 0, 0)), 5000);  // the kept points
    EXPECT_TRUE(describeOverlayFailure(*result.failure).contains(QStringLiteral("2401")));
    EXPECT_EQ(canvas.brushColor(), QColor(Qt::white));
}

struct BoundaryCase {
    const char* name;
    std::size_t badLine;
    int periodItem;
    int failingDay;  // 0: the half-year is drawn to its end
};

class HalfYearBoundary : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(HalfYearBoundary, ReadsOnlyTheDaysOfItsHalf) {
    const BoundaryCase& c = GetParam();
    HourlyColumn column(8760, {Kind::Number, 15.0});
    column[c.badLine] = {Kind::Invalid, 0.0};
    Canvas canvas;
    const OverlayResult result = DrawHourlyPoints(
        canvas, kChart, column, {-27.6, 48.5, c.periodItem, Quantity::Temperature, 45.0});
    if (c.failingDay == 0) {
        EXPECT_TRUE(result.complete());
        return;
    }
    ASSERT_FALSE(result.complete());
    EXPECT_EQ(result.failure->reason, OverlayFailure::Reason::NotANumber);
    EXPECT_EQ(result.failure->day, c.failingDay);
    EXPECT_EQ(result.failure->lineNumber(), c.badLine + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Days, HalfYearBoundary,
    ::testing::Values(BoundaryCase{"Day171InFirstHalf", 24 * 170 + 1, 0, 171},
                      BoundaryCase{"Day171NotInSecondHalf", 24 * 170 + 1, 1, 0},
                      BoundaryCase{"Day172NotInFirstHalf", 24 * 171 + 1, 0, 0},
                      BoundaryCase{"Day172FirstOfSecondHalf", 24 * 171 + 1, 1, 172},
                      BoundaryCase{"NightLinesAreReadToo", 24 * 300 + 2, 1, 301}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
