// The façade's view of a sky direction against the curves the masks draw:
// a direction on an alpha, beta or gamma boundary reads back its angle.
#include "chart/ChartGeometry.h"
#include "chart/FacadeAngles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

double rad(double deg) {
    return deg * std::numbers::pi / 180.0;
}

const chart::ChartGeometry kG = chart::ChartGeometry::forImage(460, 460);

// A point of the circle of the family (external angle a, direction w) at
// the given parameter, as a sky direction.
chart::SkyDirection onFamilyCircle(double aDeg, double wDeg, double tDeg) {
    const chart::Circle c = kG.familyCircle(aDeg, wDeg);
    const QPointF p(c.centreX + c.radius * std::cos(rad(tDeg)),
                    c.centreY + c.radius * std::sin(rad(tDeg)));
    return kG.projection().toSky(p);
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

// Every point of an alpha curve (w = O) in front of the façade reads its
// alpha; every point of a gamma curve (w = O +- 90) on its side reads its
// gamma; the angles do not depend on where along the curve the point lies.
TEST(FacadeAngles, PointsOfTheMaskCurvesReadBackTheirAngles) {
    for (const double orientation : {0.0, 37.0, 180.0, 271.0}) {
        for (const double angle : {5.0, 30.0, 60.0, 85.0}) {
            for (double t = 0.0; t < 360.0; t += 7.0) {
                const chart::SkyDirection alphaPoint = onFamilyCircle(angle, orientation, t);
                const chart::FacadeAngles a = chart::facadeAnglesOf(alphaPoint, orientation);
                // Away from the façade's ends, where every curve meets the horizon.
                if (std::abs(a.relativeAzimuthDeg) < 89.0 && alphaPoint.altitudeDeg > 0.5) {
                    EXPECT_NEAR(a.alphaDeg, angle, 1e-6) << orientation << " " << t;
                }
                for (const int side : {1, -1}) {
                    const chart::SkyDirection gammaPoint =
                        onFamilyCircle(angle, orientation + side * 90.0, t);
                    const chart::FacadeAngles g = chart::facadeAnglesOf(gammaPoint, orientation);
                    const bool onItsSide =
                        g.side == (side > 0 ? chart::FacadeSide::Right : chart::FacadeSide::Left);
                    if (g.inFront && onItsSide && gammaPoint.altitudeDeg > 0.5 &&
                        g.betaDeg > 1e-6) {
                        EXPECT_NEAR(g.gammaDeg, angle, 1e-6) << orientation << " " << t;
                    }
                }
            }
        }
    }
}
