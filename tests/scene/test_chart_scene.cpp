// The chart scene: what a rendered request tells besides its pixels.
#include "scene/ChartScene.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

namespace {

scene::ChartRequest requestWithOverlay(double temperature, std::size_t lines) {
    scene::ChartRequest request;
    request.chart.latitudeDeg = -23.5;
    request.chart.latitudeText = QStringLiteral("-23.5");
    request.chart.protractor = false;
    request.chart.overlayShown = true;
    scene::OverlaySource source;
    source.file = QStringLiteral("cidades/x.csv");
    source.inputs.latitudeDeg = -23.5;
    source.inputs.longitudeDeg = 46.6;
    source.column.assign(lines, {climate::HourlyValue::Kind::Number, temperature});
    request.overlay = source;
    return request;
}

}  // namespace

// Every disc drawn is a sun position of the scene: its pixel is where the
// projection puts its altitude and azimuth, the inverse gives them back, and
// the overlay layer shows its class's colour there.
TEST(ChartScene, KeepsEverySunPositionDrawnOnTheProjection) {
    scene::ChartLayers layers;
    const scene::ChartScene drawn =
        scene::renderChart(requestWithOverlay(18.0, 8760), layers.canvases());
    EXPECT_TRUE(drawn.warnings.empty());
    ASSERT_GT(drawn.sunPositions.size(), 1000u);
    const chart::Projection projection = drawn.projection();
    for (const overlay::SunSample& sun : drawn.sunPositions) {
        const QPointF pixel = projection.toPixel({sun.altitudeDeg, sun.azimuthDeg});
        ASSERT_NEAR(pixel.x(), sun.pixel.x(), 1e-9);
        ASSERT_NEAR(pixel.y(), sun.pixel.y(), 1e-9);
        const chart::SkyDirection sky = projection.toSky(sun.pixel);
        ASSERT_NEAR(sky.altitudeDeg, sun.altitudeDeg, 1e-9);
        ASSERT_NEAR(std::remainder(sky.azimuthDeg - sun.azimuthDeg, 360.0), 0.0, 1e-7);
        ASSERT_EQ(sun.valueClass, 3);
        ASSERT_GE(sun.day, 1);
        ASSERT_LE(sun.day, 171);
    }
    const overlay::SunSample& noon = drawn.sunPositions[drawn.sunPositions.size() / 2];
    EXPECT_TRUE(isColour(layers.overlay.image(), static_cast<int>(noon.pixel.x()),
                         static_cast<int>(noon.pixel.y()),
                         overlay::classColour(overlay::Quantity::Temperature, 3)));
}
