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
