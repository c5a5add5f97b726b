// The projection, the circle family, the hour circles and the date paths.
#include "ChartTestLayers.h"
#include "chart/SunPathChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const chart::ChartGeometry kG = chart::ChartGeometry::forImage(460, 460);

double distanceTo(const chart::Circle& c, QPointF p) {
    return std::hypot(p.x() - c.centreX, p.y() - c.centreY);
}

double rad(double deg) {
    return deg * std::numbers::pi / 180.0;
}

}  // namespace

struct FamilyCase {
    double angle;
    double direction;
};

class FamilyCircle : public ::testing::TestWithParam<FamilyCase> {};

// Through both horizon points at w +- 90, crossing the w radius at R tan((90 - a) / 2).
TEST_P(FamilyCircle, PassesThroughTheFacadeEndsAndItsAltitude) {
    const auto [a, w] = GetParam();
    const chart::Circle c = kG.familyCircle(a, w);
    EXPECT_NEAR(distanceTo(c, kG.horizonPoint(w + 90)), c.radius, 1e-6);
    EXPECT_NEAR(distanceTo(c, kG.horizonPoint(w - 90)), c.radius, 1e-6);
    EXPECT_NEAR(distanceTo(c, kG.toPixel(w, a)), c.radius, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Angles, FamilyCircle,
                         ::testing::Values(FamilyCase{5, 0}, FamilyCase{30, 30},
                                           FamilyCase{60, 135}, FamilyCase{85, 270},
                                           FamilyCase{20, -45}, FamilyCase{89, 200}));

struct SkyCase {
    double latitude;
    double hour;
};

class HourCircle : public ::testing::TestWithParam<SkyCase> {};

// Every hour circle runs through both celestial poles and through the sun's
// position at that hour on the equinox (azimuth from the hour angle).
TEST_P(HourCircle, PassesThroughThePolesAndTheEquinoxSun) {
    const auto [lat, hour] = GetParam();
    const chart::Circle c = chart::hourCircle(kG, lat, hour);
    const QPointF northPole = kG.toPixel(0, lat);
    const QPointF southPole = kG.toPixel(180, -lat);
    EXPECT_NEAR(distanceTo(c, northPole), c.radius, 1e-6 * c.radius);
    EXPECT_NEAR(distanceTo(c, southPole), c.radius, 1e-6 * c.radius);
    // Sun on the equator: altitude and azimuth from the hour angle.
    const double h = rad((hour - 12) * 15);
    const double phi = rad(lat);
    const double sinAlt = std::cos(phi) * std::cos(h);
    const double alt = std::asin(sinAlt);
    const double az = std::atan2(-std::sin(h), -std::sin(phi) * std::cos(h));
    // The azimuth runs east of north: a morning sun (h < 0) stands in the east.
    const QPointF sun = kG.toPixel(az * 180 / std::numbers::pi, alt * 180 / std::numbers::pi);
    EXPECT_NEAR(distanceTo(c, sun), c.radius, 1e-6 * c.radius) << lat << " " << hour;
}

INSTANTIATE_TEST_SUITE_P(Hours, HourCircle,
                         ::testing::Values(SkyCase{-27.6, 8}, SkyCase{-27.6, 15}, SkyCase{0, 10},
                                           SkyCase{45, 7}, SkyCase{-65, 17}, SkyCase{65, 13}));

struct PathCase {
    double latitude;
    double declination;
};

class DatePath : public ::testing::TestWithParam<PathCase> {};

// The path runs through the noon point and the sunrise point on the horizon.
TEST_P(DatePath, PassesThroughNoonAndSunrise) {
    const auto [lat, dec] = GetParam();
    const chart::DatePath path = chart::datePath(kG, lat, dec);
    ASSERT_FALSE(path.straight);
    const double phi = rad(lat);
    const double noonZenithDistance = phi - dec;  // signed: positive puts the sun south
    const QPointF noon{kG.chartCentreX,
                       kG.chartCentreY + kG.chartRadius * std::tan(noonZenithDistance / 2)};
    EXPECT_NEAR(distanceTo(path.circle, noon), path.circle.radius, 1e-6);
    // Sunrise azimuth: cos A = sin(dec) / cos(phi), east of north.
    const double sunrise = std::acos(std::sin(dec) / std::cos(phi)) * 180 / std::numbers::pi;
    EXPECT_NEAR(distanceTo(path.circle, kG.horizonPoint(sunrise)), path.circle.radius,
                1e-6 * path.circle.radius);
}

INSTANTIATE_TEST_SUITE_P(Paths, DatePath,
                         ::testing::Values(PathCase{-27.6, -0.41}, PathCase{-27.6, 0.18},
                                           PathCase{-27.6, 0.0}, PathCase{40, 0.35},
                                           PathCase{65, -0.41}, PathCase{-65, 0.41}));

// Latitudes a hair away from minus a declination give radii of 1e8 px and
// more: such a path is the straight line through its noon point.
TEST(DatePath, NearZeroDivisorGivesTheStraightLineThroughNoon) {
    const struct {
        double latitude;
        double declination;
    } cases[] = {{-10.3132, 0.18}, {10.3132, -0.18}, {-20.0535, 0.35},
                 {20.0535, -0.35}, {-23.4913, 0.41}, {23.4913, -0.41}};
    for (const auto& c : cases) {
        const chart::DatePath path = chart::datePath(kG, c.latitude, c.declination);
        EXPECT_TRUE(path.straight) << c.latitude;
        const double noonY =
            kG.chartCentreY + kG.chartRadius * std::tan((rad(c.latitude) - c.declination) / 2);
        EXPECT_NEAR(path.lineY, noonY, 1e-9) << c.latitude;
    }
    const chart::DatePath equinoxAtEquator = chart::datePath(kG, 0, 0);
    EXPECT_FALSE(equinoxAtEquator.straight);
    EXPECT_EQ(equinoxAtEquator.circle.radius, 0.0);
}
