#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace overlay;

namespace {

const chart::ChartGeometry kChart = chart::ChartGeometry::forImage(460, 460);

struct DeclinationCase {
    int day;
    double declinationDeg;  // to two decimals
};

class Declination : public ::testing::TestWithParam<DeclinationCase> {};

TEST_P(Declination, UsesTheFactor0986) {
    EXPECT_NEAR(solarDeclinationDeg(GetParam().day), GetParam().declinationDeg, 0.005);
}

// The path days of the date labels.
INSTANTIATE_TEST_SUITE_P(PathDays, Declination,
                         ::testing::Values(DeclinationCase{21, -20.16}, DeclinationCase{54, -10.55},
                                           DeclinationCase{81, -0.05}, DeclinationCase{107, 10.11},
                                           DeclinationCase{141, 20.11},
                                           DeclinationCase{172, 23.45}));

TEST(SunTime, FollowsLongitudeAndTheEquationOfTime) {
    for (int day : {1, 45, 172, 307}) {
        const double e = equationOfTimeMin(day);
        EXPECT_DOUBLE_EQ(sunTimeCorrectionHours(day, 45.0, 45.0), e / 60.0);
        // 3.5° west of the meridian: 14 minutes behind.
        EXPECT_NEAR(sunTimeCorrectionHours(day, 48.5, 45.0), (e - 14.0) / 60.0, 1e-12);
        // A city keeping the time of its own meridian differs by E alone.
        EXPECT_DOUBLE_EQ(sunTimeCorrectionHours(day, 48.5, 48.5), e / 60.0);
    }
    // Mid-February the sun is about 14 minutes late, early November 16 early.
    EXPECT_NEAR(equationOfTimeMin(45), -14.2, 0.5);
    EXPECT_NEAR(equationOfTimeMin(307), 16.4, 0.5);
}

TEST(SunPosition, EastInTheMorningWestInTheAfternoonNorthAtNoonInTheSouth) {
    const double latitude = -27.6;
    const SunPosition morning = sunPosition(latitude, 172, 9.0, kChart);
    const SunPosition afternoon = sunPosition(latitude, 172, 15.0, kChart);
    const SunPosition noon = sunPosition(latitude, 172, 12.0, kChart);
    EXPECT_LT(morning.azimuthDeg, 0.0);  // azimuths grow towards west
    EXPECT_GT(morning.x, kChart.chartCentreX);
    EXPECT_LT(afternoon.x, kChart.chartCentreX);
    EXPECT_NEAR(noon.x, kChart.chartCentreX, 1e-9);
    EXPECT_LT(noon.y, kChart.chartCentreY);  // winter sun of the south stands north
    EXPECT_NEAR(noon.altitudeDeg, 90.0 - 27.6 - 23.45, 0.01);
    EXPECT_NEAR(noon.radiusPx, kChart.radiusAtAltitude(noon.altitudeDeg), 1e-9);
    EXPECT_NEAR(morning.x, kChart.chartCentreX - morning.offsetX, 0.0);
    EXPECT_NEAR(std::hypot(morning.offsetX, morning.offsetY), morning.radiusPx, 1e-9);
}

TEST(SunPosition, SunAtTheZenithLandsOnTheCentre) {
    // With the latitude equal to the declination the altitude sum can round
    // above 1; the sun must still be drawn, at the centre.
    for (int day = 1; day <= 365; ++day) {
        const SunPosition p = sunPosition(solarDeclinationDeg(day), day, 12.0, kChart);
        ASSERT_TRUE(p.aboveHorizon) << "day " << day;
        EXPECT_NEAR(p.x, kChart.chartCentreX, 1e-3) << "day " << day;
        EXPECT_NEAR(p.y, kChart.chartCentreY, 1e-3) << "day " << day;
    }
}

TEST(SunPosition, TheFastPathGivesTheSameNumbersBitForBit) {
    for (double latitude : {-65.0, -33.9, -27.6, -0.5, 0.0, 23.45, 51.5, 65.0}) {
        for (int day = 1; day <= 365; day += 7) {
            const SunDay sun(latitude, day);
            const double correction = sunTimeCorrectionHours(day, 48.5, 45.0);
            for (double t : stepClockTimes()) {
                const SunPosition full = sun.at(t + correction, kChart);
                const auto fast = sun.ifAboveHorizon(t + correction, kChart);
                ASSERT_EQ(full.aboveHorizon, full.altitudeDeg >= 0.0);
                ASSERT_EQ(fast.has_value(), full.aboveHorizon)
                    << latitude << " day " << day << " t " << t;
                if (fast) {
                    EXPECT_EQ(fast->x, full.x);
                    EXPECT_EQ(fast->y, full.y);
                    EXPECT_EQ(fast->offsetX, full.offsetX);
                    EXPECT_EQ(fast->offsetY, full.offsetY);
                }
            }
        }
    }
}

struct BoxCase {
    double x;
    double y;
    DiscBox box;
};

class DiscBoxes : public ::testing::TestWithParam<BoxCase> {};

TEST_P(DiscBoxes, TruncateEachSideTowardZero) {
    EXPECT_EQ(discBoxAt(GetParam().x, GetParam().y), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(Boxes, DiscBoxes,
                         ::testing::Values(BoxCase{100.7, 50.2, {99, 48, 102, 51}},
                                           BoxCase{100.5, 50.0, {99, 48, 102, 51}},
                                           BoxCase{100.49, 49.99, {98, 48, 101, 51}},
                                           BoxCase{0.2, 1.0, {-1, 0, 1, 2}}));

}  // namespace
