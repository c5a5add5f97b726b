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

