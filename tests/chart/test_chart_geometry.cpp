// The projection, the circle family, the hour circles and the date paths.
#include "ChartTestLayers.h"
#include "chart/SunPathChart.h"
#include "support/ImageAsserts.h"

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
double deg(double rad) {
    return rad * 180.0 / std::numbers::pi;
}

}  // namespace

// North up, east right; the inverse gives back every direction on and above
// the horizon (and every pixel of the disc: the readout's tests), and a pixel
// beyond the horizon circle lies below it.
TEST(Projection, RoundTripsTheSkyAndKeepsTheCompass) {
    const chart::Projection p = kG.projection();
    EXPECT_NEAR(p.toPixel({0, 0}).y(), 230 - 192, 1e-9);
    EXPECT_NEAR(p.toPixel({0, 90}).x(), 230 + 192, 1e-9);
    EXPECT_NEAR(p.toPixel({30, 180}).y(), 230 + 192 * std::tan(rad(30)), 1e-9);
    for (double alt : {0.0, 0.5, 12.0, 45.0, 71.3, 89.9}) {
        for (double az : {0.0, 1.0, 89.0, 135.5, 180.0, 269.0, 359.5}) {
            SCOPED_TRACE(testing::Message() << alt << " at " << az);
            const chart::SkyDirection back = p.toSky(p.toPixel({alt, az}));
            EXPECT_NEAR(back.altitudeDeg, alt, 1e-9);
            EXPECT_NEAR(back.azimuthDeg, az, 1e-7);
        }
    }
    EXPECT_EQ(p.toSky({230, 230}).altitudeDeg, 90.0);
    EXPECT_LT(p.toSky({230, 10}).altitudeDeg, 0.0);
}

// Every hour circle runs through both celestial poles and through the sun's
// position at that hour on the equinox; a morning sun stands in the east.
TEST(HourCircle, PassesThroughThePolesAndTheEquinoxSun) {
    const std::pair<double, double> cases[] = {{-27.6, 8}, {-27.6, 15}, {0, 10},
                                               {45, 7},    {-65, 17},   {65, 13}};
    for (const auto& [lat, hour] : cases) {
        SCOPED_TRACE(testing::Message() << lat << " at " << hour);
        const chart::Circle c = chart::hourCircle(kG, lat, hour);
        const double h = rad((hour - 12) * 15);
        const double phi = rad(lat);
        const double alt = std::asin(std::cos(phi) * std::cos(h));
        const double az = std::atan2(-std::sin(h), -std::sin(phi) * std::cos(h));
        for (const QPointF p :
             {kG.projection().toPixel({lat, 0}), kG.projection().toPixel({-lat, 180}),
              kG.projection().toPixel({deg(alt), deg(az)})}) {
            EXPECT_NEAR(distanceTo(c, p), c.radius, 1e-6 * c.radius);
        }
    }
}

// The path runs through the noon point and the sunrise point on the horizon.
TEST(DatePath, PassesThroughNoonAndSunrise) {
    const std::pair<double, double> cases[] = {{-27.6, -0.41}, {-27.6, 0.18}, {-27.6, 0.0},
                                               {40, 0.35},     {65, -0.41},   {-65, 0.41}};
    for (const auto& [lat, dec] : cases) {
        SCOPED_TRACE(testing::Message() << lat << " on " << dec);
        const chart::DatePath path = chart::datePath(kG, lat, dec);
        ASSERT_FALSE(path.straight);
        // Signed zenith distance at noon: positive puts the sun south.
        const QPointF noon{kG.chartCentreX,
                           kG.chartCentreY + kG.chartRadius * std::tan((rad(lat) - dec) / 2)};
        EXPECT_NEAR(distanceTo(path.circle, noon), path.circle.radius, 1e-6);
        // Sunrise azimuth: cos A = sin(dec) / cos(phi), east of north.
        const double sunrise = deg(std::acos(std::sin(dec) / std::cos(rad(lat))));
        EXPECT_NEAR(distanceTo(path.circle, kG.horizonPoint(sunrise)), path.circle.radius,
                    1e-6 * path.circle.radius);
    }
}

// Latitudes a hair away from minus a declination give radii of 1e8 px and
// more: such a path is the straight line through its noon point.
TEST(DatePath, NearZeroDivisorGivesTheStraightLineThroughNoon) {
    const std::pair<double, double> cases[] = {{-10.3132, 0.18}, {10.3132, -0.18},
                                               {-20.0535, 0.35}, {20.0535, -0.35},
                                               {-23.4913, 0.41}, {23.4913, -0.41}};
    for (const auto& [lat, dec] : cases) {
        const chart::DatePath path = chart::datePath(kG, lat, dec);
        EXPECT_TRUE(path.straight) << lat;
        const double noonY = kG.chartCentreY + kG.chartRadius * std::tan((rad(lat) - dec) / 2);
        EXPECT_NEAR(path.lineY, noonY, 1e-9) << lat;
    }
    const chart::DatePath equinoxAtEquator = chart::datePath(kG, 0, 0);
    EXPECT_FALSE(equinoxAtEquator.straight);
    EXPECT_EQ(equinoxAtEquator.circle.radius, 0.0);
}

// Drawn, such a path is a line across the chart (here through the zenith).
TEST(DatePath, ANearStraightPathIsDrawnAsALine) {
    ChartTestLayers layers;
    layers.draw(chartAt(-10.3132));
    const chart::DatePath path = chart::datePath(layers.g, -10.3132, 0.18);
    ASSERT_TRUE(path.straight);
    const int y = static_cast<int>(path.lineY);
    int black = 0;
    for (int x = 60; x < 400; ++x) {
        black += colourNear(layers.base.image(), QPoint(x, y), Qt::black, 1) ? 1 : 0;
    }
    EXPECT_EQ(black, 340);
}

