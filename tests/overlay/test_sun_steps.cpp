// The overlay's fast sun positions against SunDay, the plain computation:
// the same horizon verdicts and disc boxes everywhere, the numbers within
// 1e-9. The latitudes include those where the noon sun passes through the
// zenith and the near-straight path.
#include "overlay/SunSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace overlay;

namespace {

const chart::ChartGeometry kChart = chart::ChartGeometry::forImage(460, 460);

struct StepsCase {
    const char* name;
    double latitudeDeg;
    double longitudeDeg;  // the meridian is 45° W; 45 gives the equation of time alone
};

void PrintTo(const StepsCase& c, std::ostream* out) {
    *out << c.name;
}

class SunStepsMatchSunDay : public testing::TestWithParam<StepsCase> {};

TEST_P(SunStepsMatchSunDay, AtEveryStepOfTheYear) {
    const StepsCase c = GetParam();
    SunSteps steps(c.latitudeDeg, kChart);
    int drawn = 0;
    for (int day = 1; day <= 365; ++day) {
        // With and without the correction, as the overlay and the path marks.
        for (const double correction : {sunTimeCorrectionHours(day, c.longitudeDeg, 45.0), 0.0}) {
            steps.setDay(day, correction);
            const SunDay sun(c.latitudeDeg, day);
            for (int k = 0; k < kStepsPerDay; ++k) {
                const auto fast = steps.ifAboveHorizon(k);
                const auto plain =
                    sun.ifAboveHorizon(stepClockTimes()[static_cast<std::size_t>(k)] + correction,
                                       kChart);
                ASSERT_EQ(fast.has_value(), plain.has_value()) << "day " << day << " step " << k;
                if (!plain) {
                    continue;
                }
                ++drawn;
                ASSERT_EQ(fast->disc(), plain->disc()) << "day " << day << " step " << k;
                ASSERT_NEAR(fast->x, plain->x, 1e-9);
                ASSERT_NEAR(fast->y, plain->y, 1e-9);
                ASSERT_NEAR(fast->altitudeDeg, plain->altitudeDeg, 1e-9);
                ASSERT_NEAR(std::remainder(fast->azimuthDeg - plain->azimuthDeg, 360.0), 0.0,
                            1e-9);
                ASSERT_NEAR(fast->radiusPx, plain->radiusPx, 1e-9);
                ASSERT_EQ(fast->hourAngleDeg, plain->hourAngleDeg);
                ASSERT_EQ(fast->declinationDeg, plain->declinationDeg);
            }
        }
    }
    EXPECT_GT(drawn, 80000);
}

INSTANTIATE_TEST_SUITE_P(
    Latitudes, SunStepsMatchSunDay,
    testing::Values(StepsCase{"SouthLimit", -65.0, 48.5}, StepsCase{"Capricorn", -23.45, 46.6},
                    StepsCase{"NearStraightPath", -10.3132, 35.0},
                    StepsCase{"Equator", 0.0, 45.0}, StepsCase{"Typed", 12.5, 50.0},
                    StepsCase{"Cancer", 23.45, 40.0}, StepsCase{"NorthLimit", 65.0, 45.0}),
    [](const testing::TestParamInfo<StepsCase>& param) { return std::string(param.param.name); });

TEST(SeriesAtan2, AgreesWithTheLibraryInEveryOctantAndOnTheAxes) {
    double worst = 0.0;
    for (int i = -2000; i <= 2000; ++i) {
        const double angle = std::numbers::pi * i / 2000.0;
        for (const double length : {1e-3, 0.7, 1.0, 192.0}) {
            const double y = length * std::sin(angle);
            const double x = length * std::cos(angle);
            worst = std::max(worst, std::abs(seriesAtan2(y, x) - std::atan2(y, x)));
        }
    }
    EXPECT_LT(worst, 5e-16);
    for (const double x : {1.0, -1.0, 0.0, -0.0}) {
        for (const double y : {0.0, -0.0, 2.0, -2.0}) {
            EXPECT_EQ(seriesAtan2(y, x), std::atan2(y, x)) << y << ", " << x;
        }
    }
}

}  // namespace
