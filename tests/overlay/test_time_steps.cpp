#include "overlay/HourlyOverlay.h"
#include "overlay/TimeSteps.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace overlay;
using climate::HourlyColumn;
using Kind = climate::HourlyValue::Kind;

namespace {

double stepTime(int step) {
    return stepClockTimes()[static_cast<std::size_t>(step)];
}

// In doubles, 24 + 0.9999999999999999 rounds up to 25: the line of a step on
// day 2 must be computed in integers to stay on line 24.
TEST(AccumulatedTime, KeepsItsDriftAndReadsLineAndFractionFromIt) {
    const struct {
        int step;
        double time;           // the accumulated value, to the last bit
        std::size_t lineDay2;  // its line on day 2
        double fraction;
    } cases[] = {
        {0, 0.0, 24, 0.0},
        {10, 0.9999999999999999, 24, 1.0},
        {119, 11.899999999999974, 35, 0.9},
        {120, 12.009999999999973, 36, 0.01},
        {230, 23.000000000000057, 47, 5.7e-14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        EXPECT_EQ(stepTime(c.step), c.time);
        const HourlyReadPoint at = readPointFor(2, c.time);
        EXPECT_EQ(at.line, c.lineDay2);
        EXPECT_NEAR(at.fraction, c.fraction, 1e-12);
        EXPECT_EQ(at.fraction == 0.0, c.fraction == 0.0);
    }
}

HourlyColumn numbers(std::size_t lines, double perLine) {
    HourlyColumn column(lines);
    for (std::size_t i = 0; i < lines; ++i) {
        column[i] = {Kind::Number, perLine * static_cast<double>(i)};
    }
    return column;
}

TEST(HourlyReading, AWholeHourReadFromThePreviousLineGivesTheHoursOwnValue) {
    // Hour h holds 2h: step 10 (one o'clock) reads line 0 with a fraction
    // just below 1 and must land on line 1's value.
    const HourlyColumn column = numbers(48, 2.0);
    for (int k = 10; k <= 230; k += 10) {
        if (k != kNoonStep) {  // noon is read at 12.01 h
            const HourlyReading r = readHourlyValue(column, 1, stepTime(k));
            ASSERT_TRUE(r.ok());
            EXPECT_NEAR(r.value, 2.0 * hourOfStep(k), 1e-12) << "step " << k;
            EXPECT_EQ(valueClass(Quantity::Temperature, r.value),
                      valueClass(Quantity::Temperature, 2.0 * hourOfStep(k)))
                << "step " << k;
        }
    }
    EXPECT_NEAR(readHourlyValue(column, 1, stepTime(kNoonStep)).value, 2.0 * 12.01, 1e-9);
    EXPECT_NEAR(readHourlyValue(column, 1, stepTime(125)).value, 2.0 * 12.5, 1e-9);
}

TEST(HourlyReading, AnEmptyFieldIsZeroOnItsLineAndNoChangeOnTheNext) {
    HourlyColumn column(48, {Kind::Number, 20.0});
    column[5] = column[8] = column[24] = {Kind::Empty, 0.0};
    // 5:00 is read on line 4 toward the empty line 5: the value stays 20.
    EXPECT_EQ(readHourlyValue(column, 1, stepTime(50)).value, 20.0);
    // 5:30 on line 5 itself: from 0 toward 20.
    EXPECT_NEAR(readHourlyValue(column, 1, stepTime(55)).value, 10.0, 1e-9);
    // 7:30 on line 7 toward the empty line 8: stays at line 7's value.
    EXPECT_EQ(readHourlyValue(column, 1, stepTime(75)).value, 20.0);
    // Midnight of a day whose first line is empty reads 0 exactly.
    EXPECT_EQ(readHourlyValue(column, 2, stepTime(0)).value, 0.0);
}

TEST(HourlyReading, TheLastLineIsNotInterpolated) {
    EXPECT_NEAR(readHourlyValue(numbers(24, 1.0), 1, stepTime(225)).value, 22.5, 1e-9);
    // Step 230 has a fraction of 5.7e-14, and no line 24 to go to.
    EXPECT_EQ(readHourlyValue(numbers(24, 1.0), 1, stepTime(230)).value, 23.0);
    EXPECT_GT(readHourlyValue(numbers(25, 1.0), 1, stepTime(230)).value, 23.0);
}

TEST(HourlyReading, AFailureNamesTheLineAndTheReason) {
    HourlyColumn column(48, {Kind::Number, 1.0});
    column[3] = {Kind::Missing, 0.0};
    HourlyReading r = readHourlyValue(column, 1, stepTime(35));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(*r.failure, OverlayFailure::Reason::MissingField);
    EXPECT_EQ(r.failedLine, 3u);
    // One o'clock is read on line 0 toward line 1, where it fails.
    column[1] = {Kind::Invalid, 0.0};
    r = readHourlyValue(column, 1, stepTime(10));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(*r.failure, OverlayFailure::Reason::NotANumber);
    EXPECT_EQ(r.failedLine, 1u);
}

}  // namespace
