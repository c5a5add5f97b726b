#include "overlay/SunPosition.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace overlay;

namespace {

const chart::ChartGeometry kChart = chart::ChartGeometry::forImage(460, 460);

TEST(SunPosition, TheDeclinationUsesTheFactor0986) {
    // The path days of the date labels, to two decimals.
    for (const auto& [day, declination] :
         {std::pair{21, -20.16}, std::pair{54, -10.55}, std::pair{81, -0.05}, std::pair{107, 10.11},
          std::pair{141, 20.11}, std::pair{172, 23.45}}) {
        EXPECT_NEAR(solarDeclinationDeg(day), declination, 0.005) << day;
    }
}

TEST(SunPosition, SunTimeFollowsLongitudeAndTheEquationOfTime) {
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
    const SunPosition morning = sunPosition(-27.6, 172, 9.0, kChart);
    const SunPosition afternoon = sunPosition(-27.6, 172, 15.0, kChart);
    const SunPosition noon = sunPosition(-27.6, 172, 12.0, kChart);
    EXPECT_GT(morning.azimuthDeg, 0.0);  // clockwise from north: east is positive
    EXPECT_GT(morning.x, kChart.chartCentreX);
    EXPECT_LT(afternoon.x, kChart.chartCentreX);
    EXPECT_NEAR(noon.x, kChart.chartCentreX, 1e-9);
    EXPECT_LT(noon.y, kChart.chartCentreY);  // winter sun of the south stands north
    EXPECT_NEAR(noon.altitudeDeg, 90.0 - 27.6 - 23.45, 0.01);
    EXPECT_NEAR(noon.radiusPx, kChart.projection().radiusAtAltitude(noon.altitudeDeg), 1e-9);
    // The mirror point of the afternoon is the morning's.
    const QPointF mirror = afternoon.mirrored(kChart);
    EXPECT_NEAR(mirror.x(), morning.x, 1e-9);
    EXPECT_NEAR(mirror.y(), morning.y, 1e-9);
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

TEST(SunPosition, TheDiscBoxTruncatesEachSideTowardZero) {
    EXPECT_EQ(discBoxAt(100.7, 50.2), (DiscBox{99, 48, 102, 51}));
    EXPECT_EQ(discBoxAt(100.5, 50.0), (DiscBox{99, 48, 102, 51}));
    EXPECT_EQ(discBoxAt(100.49, 49.99), (DiscBox{98, 48, 101, 51}));
    EXPECT_EQ(discBoxAt(0.2, 1.0), (DiscBox{-1, 0, 1, 2}));
}

}  // namespace
