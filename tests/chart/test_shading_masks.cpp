// The shading masks on the mask layer, drawn by the chart from its inputs.
#include "ChartTestLayers.h"
#include "chart/ChartColours.h"
#include "chart/ShadingMasks.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

namespace {

const QColor kGray = chart::kMaskGray;

chart::ChartInputs withProtractor(const char* orientation, chart::AngleReference reference) {
    chart::ChartInputs inputs = chartAt(-27.6);
    inputs.protractor = true;
    inputs.orientation = typed(orientation);
    inputs.reference = reference;
    return inputs;
}

QImage maskLayer(const chart::ChartInputs& inputs) {
    ChartTestLayers layers;
    layers.draw(inputs);
    return layers.masks.image();
}

// Gray within the chart disc, away from the horizon and the façade line.
int grayAwayFromFacade(const QImage& mask, const chart::ChartGeometry& g, double orientationDeg) {
    const double o = orientationDeg * std::numbers::pi / 180.0;
    int count = 0;
    for (int y = 0; y < 460; ++y) {
        for (int x = 0; x < 460; ++x) {
            const double dx = x + 0.5 - g.chartCentreX;
            const double dy = y + 0.5 - g.chartCentreY;
            // Distance from the façade line through the centre along (cos O, sin O).
            const double fromFacade = std::abs(-dx * std::sin(o) + dy * std::cos(o));
            if (std::hypot(dx, dy) < 185 && fromFacade > 3 && isColour(mask, x, y, kGray)) {
                ++count;
            }
        }
    }
    return count;
}

constexpr auto kInterna = chart::AngleReference::Interna;
constexpr auto kExterna = chart::AngleReference::Externa;

}  // namespace

TEST(ShadingMasks, WithoutTheProtractorNoMaskWhateverTheBoxes) {
    chart::ChartInputs inputs = withProtractor("30", kExterna);
    inputs.protractor = false;
    inputs.alpha = twoPair("20", "50");
    inputs.betaRight = onePair("30");
    inputs.betaLeft = onePair("abc");  // never read
    inputs.gammaRight = onePair("40");
    inputs.gammaLeft = onePair("");
    ChartTestLayers layers;
    layers.draw(inputs);
    EXPECT_EQ(countPainted(layers.masks.image()), 0);
    EXPECT_EQ(countPainted(layers.protractor.image()), 0);
}

// Alfa 30 Externa is alfa 60 Interna; a pair in either order is the same
// pair; two equal betas are one.
TEST(ShadingMasks, EqualAnglesGiveTheSameLayer) {
    const struct {
        const char* name;
        chart::AnglePair chart::ChartInputs::*family;
        chart::AngleReference referenceA;
        chart::AnglePair a;
        chart::AngleReference referenceB;
        chart::AnglePair b;
    } cases[] = {{"alfa-30-externa-60-interna", &chart::ChartInputs::alpha, kExterna, onePair("30"),
                  kInterna, onePair("60")},
                 {"alfa-pair-order", &chart::ChartInputs::alpha, kExterna, twoPair("20", "50"),
                  kExterna, twoPair("50", "20")},
                 {"gamma-pair-order", &chart::ChartInputs::gammaLeft, kInterna, twoPair("20", "50"),
                  kInterna, twoPair("50", "20")},
                 {"beta-equal-is-single", &chart::ChartInputs::betaRight, kExterna,
                  twoPair("30", "30"), kExterna, onePair("30")}};
    for (const auto& c : cases) {
        chart::ChartInputs a = withProtractor("30", c.referenceA);
        a.*c.family = c.a;
        chart::ChartInputs b = withProtractor("30", c.referenceB);
        b.*c.family = c.b;
        const QImage maskA = maskLayer(a);
        EXPECT_GT(grayAwayFromFacade(maskA, chart::ChartGeometry::forImage(460, 460), 30), 100)
            << c.name;
        EXPECT_EQ(compareImages(maskA, maskLayer(b), c.name), "") << c.name;
    }
}

// Gamma 90 (Externa) draws no curve, but still clears outside the horizon,
// draws the façade line and the horizon, and erases behind the façade.
TEST(ShadingMasks, GammaNinetyStillClearsAndErasesBehind) {
    const chart::ChartGeometry g = chart::ChartGeometry::forImage(460, 460);
    Canvas mask(460, 460);
    mask.setBrushColor(QColor(255, 0, 0));
    mask.rectangle(0, 0, 460, 460);
    chart::ChartInputs inputs = withProtractor("0", kExterna);
    inputs.gammaRight = onePair("90");
    chart::drawGammaMasks(mask, g, 0, inputs);
    const QImage& image = mask.image();
    int redOutsideOrBehind = 0;
    int redInFront = 0;
    for (int y = 0; y < 460; ++y) {
        for (int x = 0; x < 460; ++x) {
            const bool red = isColour(image, x, y, QColor(255, 0, 0));
            const double distance = pixelDistance(g, x, y);
            const bool inside = distance < 190;
            if (red && (distance > 192.5 || (inside && y > 232))) {
                ++redOutsideOrBehind;
            }
            redInFront += red && inside && y < 228 ? 1 : 0;
        }
    }
    EXPECT_EQ(redOutsideOrBehind, 0);
    EXPECT_GT(redInFront, 50000);  // the front half keeps what was there
    EXPECT_TRUE(isColour(image, 100, 230, Qt::black));
    EXPECT_TRUE(colourNear(image, chartPoint(g, 135, 191.5), Qt::black, 1));
    EXPECT_EQ(grayAwayFromFacade(image, g, 0), 0);
}
