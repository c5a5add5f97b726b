#include "overlay/HourlyOverlay.h"
#include "overlay/TimeSteps.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace overlay;
using climate::HourlyColumn;
using climate::HourlyValue;
using Kind = climate::HourlyValue::Kind;

namespace {

struct DriftCase {
    const char* name;
    int step;
    double time;           // the accumulated value, to the last bit
    std::size_t lineDay2;  // its line on day 2
    double fraction;
};

class AccumulatedTime : public ::testing::TestWithParam<DriftCase> {};

TEST_P(AccumulatedTime, KeepsItsDriftAndReadsLineAndFractionFromIt) {
    const DriftCase& c = GetParam();
    EXPECT_EQ(stepClockTimes()[static_cast<std::size_t>(c.step)], c.time);
    const HourlyReadPoint at = readPointFor(2, c.time);
    EXPECT_EQ(at.line, c.lineDay2);
    EXPECT_NEAR(at.fraction, c.fraction, 1e-12);
    EXPECT_EQ(at.fraction == 0.0, c.fraction == 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AccumulatedTime,
    ::testing::Values(DriftCase{"Midnight", 0, 0.0, 24, 0.0},
                      DriftCase{"OneOClockJustBelow", 10, 0.9999999999999999, 24, 1.0},
                      DriftCase{"BeforeNoon", 119, 11.899999999999974, 35, 0.9},
                      DriftCase{"NoonMoved", 120, 12.009999999999973, 36, 0.01},
                      DriftCase{"LastStep", 230, 23.000000000000057, 47, 5.7e-14}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(AccumulatedTime, LineIsComputedInIntegers) {
    const auto& t = stepClockTimes();
    // The line of a late step of day 2 is computed in integers: in doubles,
    // 24 + 0.9999999999999999 would round up to line 25.
    EXPECT_EQ(24.0 + t[10], 25.0);
    EXPECT_EQ(readPointFor(2, t[10]).line, 24u);
}

HourlyColumn numbers(std::size_t lines, double (*value)(std::size_t)) {
    HourlyColumn column(lines);
    for (std::size_t i = 0; i < lines; ++i) {
        column[i] = {Kind::Number, value(i)};
    }
    return column;
}

TEST(HourlyReading, WholeHourReadFromThePreviousLineGivesTheHoursOwnValue) {
    // Hour h holds 2h: step 10 (one o'clock) reads line 0 with a fraction
    // just below 1 and must land on line 1's value.
    const HourlyColumn column =
        numbers(48, [](std::size_t i) { return 2.0 * static_cast<double>(i); });
    const auto& t = stepClockTimes();
    for (int k = 10; k <= 230; k += 10) {
        if (k == kNoonStep) {
            continue;  // noon is read at 12.01 h
        }
        const HourlyReading r = readHourlyValue(column, 1, t[static_cast<std::size_t>(k)]);
        ASSERT_TRUE(r.ok());
        EXPECT_NEAR(r.value, 2.0 * hourOfStep(k), 1e-12) << "step " << k;
        EXPECT_EQ(valueClass(Quantity::Temperature, r.value),
                  valueClass(Quantity::Temperature, 2.0 * hourOfStep(k)))
            << "step " << k;
    }
    EXPECT_NEAR(readHourlyValue(column, 1, t[kNoonStep]).value, 2.0 * 12.01, 1e-9);
    EXPECT_NEAR(readHourlyValue(column, 1, t[125]).value, 2.0 * 12.5, 1e-9);
}

TEST(HourlyReading, EmptyFieldIsZeroOnItsLineAndNoChangeOnTheNext) {
    HourlyColumn column = numbers(48, [](std::size_t) { return 20.0; });
    column[5] = {Kind::Empty, 0.0};
    column[8] = {Kind::Empty, 0.0};
    const auto& t = stepClockTimes();
    // 5:00 is read on line 4 toward the empty line 5: the value stays 20.
    EXPECT_EQ(readHourlyValue(column, 1, t[50]).value, 20.0);
    // 5:30 on line 5 itself: from 0 toward 20.
    EXPECT_NEAR(readHourlyValue(column, 1, t[55]).value, 10.0, 1e-9);
    // 7:30 on line 7 toward the empty line 8: stays at line 7's value.
    EXPECT_EQ(readHourlyValue(column, 1, t[75]).value, 20.0);
    // Midnight of a day whose first line is empty reads 0 exactly.
    column[24] = {Kind::Empty, 0.0};
    EXPECT_EQ(readHourlyValue(column, 2, t[0]).value, 0.0);
}

TEST(HourlyReading, LastLineIsNotInterpolated) {
    const HourlyColumn column = numbers(24, [](std::size_t i) { return static_cast<double>(i); });
    const auto& t = stepClockTimes();
    EXPECT_NEAR(readHourlyValue(column, 1, t[225]).value, 22.5, 1e-9);
    EXPECT_EQ(readHourlyValue(column, 1, t[230]).value, 23.0);  // fraction 5.7e-14, no line 24
    const HourlyColumn longer = numbers(25, [](std::size_t i) { return static_cast<double>(i); });
    EXPECT_GT(readHourlyValue(longer, 1, t[230]).value, 23.0);  // the next line exists
}

struct FailureCase {
    const char* name;
    std::size_t badLine;
    Kind kind;
    int step;
    OverlayFailure::Reason reason;
};

class HourlyReadingFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(HourlyReadingFailure, NamesTheLineAndTheReason) {
    const FailureCase& c = GetParam();
    HourlyColumn column = numbers(48, [](std::size_t) { return 1.0; });
    if (c.reason == OverlayFailure::Reason::MissingLine) {
        column.resize(c.badLine);
    } else {
        column[c.badLine] = {c.kind, 0.0};
    }
    const HourlyReading r =
        readHourlyValue(column, 1, stepClockTimes()[static_cast<std::size_t>(c.step)]);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(*r.failure, c.reason);
    EXPECT_EQ(r.failedLine, c.badLine);
}

INSTANTIATE_TEST_SUITE_P(Reasons, HourlyReadingFailure,
                         ::testing::Values(FailureCase{"MissingFieldOnOwnLine", 3, Kind::Missing,
                                                       35, OverlayFailure::Reason::MissingField},
                                           FailureCase{"InvalidOnNextLine", 4, Kind::Invalid, 35,
                                                       OverlayFailure::Reason::NotANumber},
                                           FailureCase{"InvalidReachedByWholeHourFromBelow", 1,
                                                       Kind::Invalid, 10,
                                                       OverlayFailure::Reason::NotANumber},
                                           FailureCase{"ShortColumn", 3, Kind::Number, 35,
                                                       OverlayFailure::Reason::MissingLine}),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
