// The façade's view of a sky direction: side, incidence and the angles along
// its normal. The mask curves read back on the drawn chart (readout and
// shading numbers).
#include "chart/FacadeAngles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

double rad(double deg) {
    return deg * std::numbers::pi / 180.0;
}

}  // namespace

TEST(FacadeAngles, SidesAndIncidenceFollowTheNormal) {
    struct Case {
        double azimuth, orientation, relative;
        bool inFront;
        chart::FacadeSide side;
    };
    const Case cases[] = {
        {180, 180, 0, true, chart::FacadeSide::Right},  {200, 180, 20, true, chart::FacadeSide::Right},
        {10, 350, 20, true, chart::FacadeSide::Right},  {330, 10, -40, true, chart::FacadeSide::Left},
        {0, 180, 180, false, chart::FacadeSide::Right}, {270, 0, -90, false, chart::FacadeSide::Left},
    };
    for (const Case& c : cases) {
        const chart::FacadeAngles a = chart::facadeAnglesOf({30.0, c.azimuth}, c.orientation);
        EXPECT_NEAR(a.relativeAzimuthDeg, c.relative, 1e-9) << c.azimuth << " " << c.orientation;
        EXPECT_EQ(a.inFront, c.inFront) << c.azimuth << " " << c.orientation;
        EXPECT_EQ(a.side, c.side) << c.azimuth << " " << c.orientation;
        EXPECT_NEAR(a.cosIncidence, std::cos(rad(30)) * std::cos(rad(c.relative)), 1e-12);
    }
    // Straight along the normal: the overhang's angle is the altitude, and
    // no lateral limit reaches it short of the vertical.
    const chart::FacadeAngles normal = chart::facadeAnglesOf({35.0, 90.0}, 90.0);
    EXPECT_NEAR(normal.alphaDeg, 35.0, 1e-9);
    EXPECT_NEAR(normal.betaDeg, 0.0, 1e-9);
    EXPECT_NEAR(normal.gammaDeg, 90.0, 1e-9);
}
