// The sun-path chart on the base layer: what must hold of its pixels.
#include "ChartTestLayers.h"
#include "chart/AnnotationBlock.h"
#include "chart/ChartColours.h"
#include "chart/SunPathChart.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

const QColor kBlue = chart::kHourCircleBlue;

// The labels of the chart, where they are written: the bold cardinal letters
// and azimuths, then the annotation block.
std::vector<QRect> labelBoxes(const chart::ChartInputs& inputs) {
    const std::tuple<QPoint, const char*, int> labels[] = {
        {{222, 0}, "N", 14}, {{443, 219}, "L", 14}, {{225, 437}, "S", 14},  {{0, 219}, "O", 14},
        {{225, 23}, "0", 8}, {{424, 225}, "90", 8}, {{220, 427}, "180", 8}, {{15, 225}, "270", 8}};
    std::vector<QRect> boxes;
    Canvas measure(1, 1);
    measure.setFontBold(true);
    for (const auto& [at, text, size] : labels) {
        measure.setFontSize(size);
        boxes.emplace_back(at, measure.textExtent(text));
    }
    measure.setFontSize(8);
    measure.setFontBold(false);
    for (const chart::AnnotationEntry& e : chart::annotationEntries(inputs)) {
        boxes.emplace_back(e.topLeft, measure.textExtent(e.text));
    }
    return boxes;
}

// Counts the pixels of a colour above and below the east-west axis.
std::pair<int, int> northSouthCount(const QImage& image, const QColor& colour) {
    return {countPixels(image, colour, QRect(0, 0, 460, 230)),
            countPixels(image, colour, QRect(0, 231, 460, 229))};
}

}  // namespace

class OutsideTheHorizon : public ::testing::TestWithParam<double> {};

TEST_P(OutsideTheHorizon, EveryPixelIsWhiteButTheLabelsAndTheBlock) {
    ChartTestLayers layers;
    chart::ChartInputs inputs = chartAt(GetParam());
    inputs.alpha = twoPair("20", "50");
    inputs.gammaLeft = onePair("30");
    layers.draw(inputs);
    std::vector<QRect> boxes = labelBoxes(inputs);
    // The axes drawn again at the end keep their end pixels, which lie one
    // pixel beyond the horizon's east and south pixels.
    boxes.emplace_back(422, 230, 1, 1);
    boxes.emplace_back(230, 422, 1, 1);
    int stray = 0;
    QPoint first;
    for (int y = 0; y < 460; ++y) {
        for (int x = 0; x < 460; ++x) {
            if (pixelDistance(layers.g, x, y) <= 192.5 ||
                rgbAt(layers.base.image(), x, y) == 0xFFFFFFu) {
                continue;
            }
            const bool inLabel = std::any_of(boxes.begin(), boxes.end(),
                                             [&](const QRect& box) { return box.contains(x, y); });
            if (!inLabel && stray++ == 0) {
                first = QPoint(x, y);
            }
        }
    }
    EXPECT_EQ(stray, 0) << "first at " << first.x() << ", " << first.y() << " saved "
                        << saveForInspection(layers.base.image(), "outside-horizon").toStdString();
    // The horizon itself is drawn, solid.
    for (const double az : {0.0, 45.0, 90.0, 200.0, 300.0}) {
        EXPECT_TRUE(colourNear(layers.base.image(), chartPoint(layers.g, az, 191.5), Qt::black, 1))
            << az;
    }
}

INSTANTIATE_TEST_SUITE_P(Latitudes, OutsideTheHorizon,
                         ::testing::Values(-65.0, -27.6, 0.0, 23.45, 65.0, -10.3132));

TEST(SunPathChart, SouthernPathsBulgeNorthAndNorthernOnesSouth) {
    ChartTestLayers south;
    south.draw(chartAt(-27.6));
    ChartTestLayers north;
    north.draw(chartAt(27.6));
    const auto [southUp, southDown] = northSouthCount(south.base.image(), kBlue);
    const auto [northUp, northDown] = northSouthCount(north.base.image(), kBlue);
    EXPECT_GT(southUp, 2 * southDown);
    EXPECT_GT(northDown, 2 * northUp);
    // Mirror images of each other, but for rasterisation.
    EXPECT_NEAR(southUp, northDown, southUp / 20);
    // The equinox path's noon point: R tan(phi / 2) north of the zenith.
    const QPoint noon(233, 230 - 47);
    EXPECT_TRUE(colourNear(south.base.image(), noon, Qt::black, 1));
    EXPECT_TRUE(colourNear(north.base.image(), QPoint(233, 230 + 47), Qt::black, 1));
}

TEST(SunPathChart, AtTheEquatorTheEquinoxPathIsTheEastWestAxis) {
    ChartTestLayers layers;
    layers.draw(chartAt(0));
    const QImage& image = layers.base.image();
    // The hour circles are centred on the east-west axis: as much blue above
    // it as below, but for rasterisation.
    const auto [up, down] = northSouthCount(image, kBlue);
    EXPECT_GT(up, 500);
    EXPECT_NEAR(up, down, up / 20);
    // No path crosses the axis near the centre; the axis is black there.
    for (int x = 200; x < 260; x += 7) {
        EXPECT_TRUE(isColour(image, x, 230, Qt::black)) << x;
    }
}

TEST(SunPathChart, WithoutSunPathsNothingIsBlue) {
    ChartTestLayers with;
    with.draw(chartAt(-27.6));
    ChartTestLayers without;
    chart::ChartInputs inputs = chartAt(-27.6);
    inputs.sunPaths = false;
    without.draw(inputs);
    EXPECT_GT(countPixels(with.base.image(), kBlue), 500);
    EXPECT_EQ(countPixels(without.base.image(), kBlue), 0);
}

// A path a hair away from the singular latitude is the straight line through
// its noon point (here the zenith), never a circle of 1e8 px.
TEST(SunPathChart, NearStraightPathIsDrawnAsALine) {
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

// Written at x = cx, midway between the k and k + 10 degree circles; no
// labels for an item outside the reference list.
TEST(SunPathChart, AltitudeLabelsFollowTheReference) {
    const chart::ChartGeometry g = chart::ChartGeometry::forImage(460, 460);
    const std::pair<int, std::array<const char*, 4>> cases[] = {
        {0, {"80", "60", "40", "20"}}, {1, {"10", "30", "50", "70"}}, {-1, {}}};
    const std::array<int, 4> ys{377, 330, 290, 255};  // for k = 10, 30, 50, 70
    for (const auto& [item, texts] : cases) {
        chart::ChartInputs inputs = chartAt(0);
        inputs.reference = chart::referenceFromItem(item);
        inputs.latitudeText.clear();
        Canvas labels(460, 460);
        labels.setBrushStyle(BrushStyle::Clear);
        chart::drawChartLabels(labels, g, inputs);
        for (std::size_t i = 0; i < ys.size(); ++i) {
            const QRect box(230, ys[i], 20, 14);
            Canvas expected(460, 460);
            expected.setBrushStyle(BrushStyle::Clear);
            expected.setFontBold(true);
            expected.setFontSize(8);
            if (texts[i] != nullptr) {
                expected.textOut(230, ys[i], texts[i]);
                EXPECT_GT(countPainted(expected.image(), box), 0);
            }
            EXPECT_EQ(compareImages(labels.image().copy(box), expected.image().copy(box),
                                    "altitude-label"),
                      "")
                << item << " " << ys[i];
        }
    }
}
