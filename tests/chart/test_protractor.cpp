// The protractor on the protractor layer and its labels.
#include "ChartTestLayers.h"
#include "chart/ChartColours.h"
#include "chart/Protractor.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

namespace {

const chart::ChartGeometry kG = chart::ChartGeometry::forImage(460, 460);

QImage protractorLayer(const char* orientation, bool overlayShown,
                       chart::AngleReference reference = chart::AngleReference::Interna) {
    ChartTestLayers layers;
    chart::ChartInputs inputs = chartAt(-27.6);
    inputs.protractor = true;
    inputs.orientation = typed(orientation);
    inputs.overlayShown = overlayShown;
    inputs.reference = reference;
    layers.draw(inputs);
    return layers.protractor.image();
}

}  // namespace

// On the normal at d = R tan((90 - a) / 2), shifted up and left: 192 for 0,
// 89.53 for 40 (tan 25 = 0.46631).
TEST(Protractor, LabelsStandOnTheNormalShiftedUpAndLeft) {
    const struct {
        double orientation;
        int alpha;
        QPoint at;
    } cases[] = {{0, 0, {230, 33}},     {0, 40, {230, 135}}, {180, 0, {215, 417}},
                 {180, 40, {215, 314}}, {90, 0, {417, 230}}, {270, 40, {135, 230}}};
    for (const auto& c : cases) {
        EXPECT_EQ(chart::protractorLabelPosition(kG, c.orientation, c.alpha), c.at)
            << c.orientation << " " << c.alpha;
    }
}

TEST(Protractor, BetaLinesRunFromTheLeftEndClockwise) {
    // O = 0: k = 0 points west, k = 9 north, k = 17 at 80 degrees east of
    // north, (-R cos 170, R sin 170) truncated.
    EXPECT_EQ(chart::protractorBetaLineEnd(kG, 0, 0), QPoint(-192, 0));
    EXPECT_EQ(chart::protractorBetaLineEnd(kG, 0, 9), QPoint(0, 192));
    EXPECT_EQ(chart::protractorBetaLineEnd(kG, 0, 17), QPoint(189, 33));
}

TEST(Protractor, OnlyTheHalfInFrontOfTheFacadeStays) {
    const QImage north = protractorLayer("0", false);
    EXPECT_GT(countPixels(north, chart::kProtractorRed, QRect(0, 0, 460, 226)), 2000);
    EXPECT_EQ(countPixels(north, chart::kProtractorRed, QRect(0, 234, 460, 226)), 0);
    const QImage east = protractorLayer("90", false);
    EXPECT_GT(countPixels(east, chart::kProtractorRed, QRect(234, 0, 226, 460)), 2000);
    EXPECT_EQ(countPixels(east, chart::kProtractorRed, QRect(0, 0, 226, 460)), 0);
}

TEST(Protractor, GreenAndTwoPixelsWideWithTheOverlay) {
    const QImage red = protractorLayer("30", false);
    const QImage green = protractorLayer("30", true);
    const int redCount = countPixels(red, chart::kProtractorRed);
    const int greenCount = countPixels(green, chart::kProtractorGreen);
    EXPECT_EQ(countPixels(red, chart::kProtractorGreen), 0);
    EXPECT_EQ(countPixels(green, chart::kProtractorRed), 0);
    EXPECT_GT(greenCount, redCount * 3 / 2);
}

TEST(Protractor, LabelsRunUpTheNorthRadiusOrDownTheSouthOne) {
    // Orientation 0: the labels' boxes stand on the north radius, between the
    // horizon (label 90 at y = 33) and the centre.
    const QImage north = protractorLayer("0", false);
    EXPECT_EQ(countPixels(north, Qt::black, QRect(0, 231, 460, 229)), 0);
    EXPECT_GT(countPixels(north, Qt::black, QRect(230, 33, 14, 12)), 0);  // "90"
    // Orientation 180: down the south radius, 15 pixels further left.
    const QImage south = protractorLayer("180", false);
    EXPECT_EQ(countPixels(south, Qt::black, QRect(0, 0, 460, 229)), 0);
    EXPECT_GT(countPixels(south, Qt::black, QRect(215, 417, 14, 12)), 0);
    EXPECT_EQ(countPixels(south, Qt::black, QRect(231, 240, 229, 220)), 0);
}
