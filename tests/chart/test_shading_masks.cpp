// The shading masks on `imagem3`, drawn by the chart from its inputs.
#include "ChartTestLayers.h"
#include "chart/ChartColours.h"
#include "chart/ShadingMasks.h"
#include "math/numbers.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QColor kGray = chart::kMaskGray;

chart::ChartInputs withProtractor(const char* orientation, chart::AngleReference reference) {
    chart::ChartInputs inputs = chartAt(-27.6);
    inputs.protractor = true;
    inputs.orientationText = QString::fromLatin1(orientation);
    inputs.reference = reference;
    return inputs;
}

QImage maskLayer(const chart::ChartInputs& inputs) {
    ChartTestLayers layers;
    layers.draw(inputs);
    return layers.imagem3.image();
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
    inputs.alfa = twoPair("20", "50");
    inputs.betaRight = onePair("30");
    inputs.betaLeft = onePair("abc");  // never read
    inputs.gammaRight = onePair("40");
    inputs.gammaLeft = onePair("");
    ChartTestLayers layers;
    layers.draw(inputs);
    EXPECT_EQ(countPainted(layers.imagem3.image()), 0);
    EXPECT_EQ(countPainted(layers.imagem2.image()), 0);
}

struct SameMaskCase {
    const char* name;
    chart::AngleReference referenceA;
    chart::AnglePair chart::ChartInputs::*family;
    chart::AnglePair a;
    chart::AngleReference referenceB;
    chart::AnglePair b;
};

class SameMask : public ::testing::TestWithParam<SameMaskCase> {};

TEST_P(SameMask, GiveTheSameLayer) {
    const SameMaskCase& c = GetParam();
    chart::ChartInputs a = withProtractor("30", c.referenceA);
    a.*c.family = c.a;
    chart::ChartInputs b = withProtractor("30", c.referenceB);
    b.*c.family = c.b;
    const QImage maskA = maskLayer(a);
    EXPECT_GT(grayAwayFromFacade(maskA, chart::ChartGeometry::forImage(460, 460), 30), 100);
    EXPECT_EQ(compareImages(maskA, maskLayer(b), QString::fromLatin1(c.name)), "");
}

INSTANTIATE_TEST_SUITE_P(
    Masks, SameMask,
    ::testing::Values(SameMaskCase{"alfa-30-externa-60-interna", kExterna,
                                   &chart::ChartInputs::alfa, onePair("30"), kInterna,
                                   onePair("60")},
                      SameMaskCase{"alfa-pair-order", kExterna, &chart::ChartInputs::alfa,
                                   twoPair("20", "50"), kExterna, twoPair("50", "20")},
                      SameMaskCase{"gamma-pair-order", kInterna, &chart::ChartInputs::gammaLeft,
                                   twoPair("20", "50"), kInterna, twoPair("50", "20")},
                      SameMaskCase{"beta-equal-is-single", kExterna, &chart::ChartInputs::betaRight,
                                   twoPair("30", "30"), kExterna, onePair("30")}),
    [](const auto& testInfo) {
        std::string name = testInfo.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

TEST(ShadingMasks, AlfaNinetyExternaDrawsTheFacadeLineOnly) {
    for (const auto& [reference, text] : {std::pair{kExterna, "90"}, std::pair{kInterna, "0"}}) {
        chart::ChartInputs inputs = withProtractor("0", reference);
        inputs.alfa = onePair(text);
        const QImage mask = maskLayer(inputs);
        EXPECT_EQ(grayAwayFromFacade(mask, chart::ChartGeometry::forImage(460, 460), 0), 0);
        // The black façade line runs east-west across the chart.
        for (int x = 50; x < 410; x += 20) {
            EXPECT_TRUE(isColour(mask, x, 230, Qt::black)) << x;
        }
    }
}

struct BetaCase {
    const char* first;
    const char* second;  // nullptr: only the first
    double orientation;
    int side;
    std::array<double, 2> azimuths;
};

class BetaDirections : public ::testing::TestWithParam<BetaCase> {};

TEST_P(BetaDirections, AreTheFacadeEndAndTheAnglesOrTheTwoAngles) {
    const BetaCase& c = GetParam();
    const chart::AnglePair pair = c.second ? twoPair(c.first, c.second) : onePair(c.first);
    const auto directions = chart::betaDirections(pair, kExterna, c.orientation, c.side);
    EXPECT_DOUBLE_EQ(directions[0], c.azimuths[0]);
    EXPECT_DOUBLE_EQ(directions[1], c.azimuths[1]);
}

INSTANTIATE_TEST_SUITE_P(Betas, BetaDirections,
                         ::testing::Values(BetaCase{"30", nullptr, 40, +1, {130, 70}},
                                           BetaCase{"30", "50", 40, +1, {70, 90}},
                                           BetaCase{"30", "30", 40, +1, {130, 70}},
                                           BetaCase{"30", nullptr, 40, -1, {-50, 10}},
                                           BetaCase{"50", "30", 40, -1, {-10, 10}}));

struct SideCase {
    const char* orientation;
    double rightEnd;  // azimuth of the façade's right end
    double leftEnd;
};

class FacadeSides : public ::testing::TestWithParam<SideCase> {};

// Beta right 45 (Externa) alone: radii at the right end and at O + 45.
TEST_P(FacadeSides, RightIsClockwiseFromTheNormal) {
    const SideCase& c = GetParam();
    chart::ChartInputs inputs = withProtractor(c.orientation, kExterna);
    inputs.betaRight = onePair("45");
    const QImage mask = maskLayer(inputs);
    const chart::ChartGeometry g = chart::ChartGeometry::forImage(460, 460);
    const double o = math::toNumber(c.orientation);
    EXPECT_TRUE(colourNear(mask, chartPoint(g, c.rightEnd, 120), kGray, 1));
    EXPECT_TRUE(colourNear(mask, chartPoint(g, o + 45, 120), kGray, 1));
    EXPECT_FALSE(colourNear(mask, chartPoint(g, c.leftEnd, 120), kGray, 3));
    EXPECT_FALSE(colourNear(mask, chartPoint(g, o - 45, 120), kGray, 3));
    // Beta alone: no black façade line, only the black horizon.
    int blackInside = 0;
    for (int y = 0; y < 460; ++y) {
        for (int x = 0; x < 460; ++x) {
            blackInside += pixelDistance(g, x, y) < 188 && isColour(mask, x, y, Qt::black) ? 1 : 0;
        }
    }
    EXPECT_EQ(blackInside, 0);
}

INSTANTIATE_TEST_SUITE_P(Orientations, FacadeSides,
                         ::testing::Values(SideCase{"0", 90, 270}, SideCase{"90", 180, 0},
                                           SideCase{"200", 290, 110}));

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
