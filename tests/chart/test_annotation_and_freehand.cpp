// The annotation block's entries, and the freehand operations on the mask layer.
#include "ChartTestLayers.h"
#include "chart/AnnotationBlock.h"
#include "chart/ChartColours.h"
#include "chart/FreehandMask.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

namespace {

QStringList texts(const std::vector<chart::AnnotationEntry>& entries) {
    QStringList all;
    for (const auto& e : entries) {
        all << QStringLiteral("%1,%2 %3").arg(e.topLeft.x()).arg(e.topLeft.y()).arg(e.text);
    }
    return all;
}

}  // namespace

TEST(AnnotationBlock, EntriesFollowTheirCheckBoxesWithTheTextsAsTyped) {
    chart::ChartInputs inputs = chartAt(-27.5);
    inputs.latitudeText = QStringLiteral("-27.50");
    inputs.protractor = false;
    inputs.orientationText = QStringLiteral("30");
    EXPECT_EQ(texts(chart::annotationEntries(inputs)), QStringList({"2,2 Latitude : -27.50"}));

    inputs.cityName = QStringLiteral("Florianópolis");
    inputs.protractor = true;
    inputs.alfa = onePair("30");
    inputs.betaRight = twoPair("20", "");
    inputs.betaLeft = {{false, "15"}, {true, "40"}};  // a second box alone does not count
    inputs.gammaRight = onePair("");
    inputs.gammaLeft = twoPair("5", "80.5");
    EXPECT_EQ(texts(chart::annotationEntries(inputs)),
              QStringList({"2,2 Latitude : -27.50", "2,15 Florianópolis", "2,28 Transferidor : 30",
                           "310,2 Alfa : 30", "305,408 Beta d1 : 20", "305,420 Beta d2 : ",
                           "85,408 Gama d : ", "85,432 Gama e1 : 5", "85,444 Gama e2 : 80.5"}));

    inputs.alfa = twoPair("20", "50");
    inputs.betaLeft = onePair("15");
    const QStringList withPairs = texts(chart::annotationEntries(inputs));
    EXPECT_TRUE(withPairs.contains("310,2 Alfa 1 : 20"));
    EXPECT_TRUE(withPairs.contains("310,14 Alfa 2 : 50"));
    EXPECT_TRUE(withPairs.contains("305,432 Beta e : 15"));
}

TEST(AnnotationBlock, IsWrittenWithoutABackgroundBox) {
    Canvas c(460, 460);
    c.setBrushColor(Qt::red);
    c.rectangle(0, 0, 460, 460);
    c.setBrushStyle(BrushStyle::Clear);
    chart::ChartInputs inputs = chartAt(10);
    inputs.latitudeText = QStringLiteral("10");
    chart::drawAnnotationBlock(c, inputs);
    const QRect box(2, 2, 60, 12);
    EXPECT_GT(countPixels(c.image(), Qt::black, box), 20);
    EXPECT_EQ(countPixels(c.image(), Qt::white, box), 0);
}

namespace {

// A square of gray boundary, as the freehand segments draw it.
Canvas closedSquare() {
    Canvas c(460, 460);
    chart::drawMaskSegment(c, {100, 100}, {200, 100});
    chart::drawMaskSegment(c, {200, 100}, {200, 200});
    chart::drawMaskSegment(c, {200, 200}, {100, 200});
    chart::drawMaskSegment(c, {100, 200}, {100, 100});
    return c;
}

}  // namespace

TEST(FreehandMask, FillsStayInsideTheGrayAndReplaceEachOther) {
    Canvas c = closedSquare();
    chart::fillMask(c, {150, 150}, chart::MaskFill::Partial);
    const int yellow = countPixels(c.image(), chart::kPartialShadingYellow);
    EXPECT_GT(yellow, 95 * 95);
    EXPECT_EQ(countPixels(c.image(), chart::kPartialShadingYellow, QRect(0, 0, 460, 97)), 0);
    EXPECT_EQ(countPixels(c.image(), chart::kPartialShadingYellow, QRect(203, 0, 257, 460)), 0);
    chart::fillMask(c, {150, 150}, chart::MaskFill::Total);
    EXPECT_EQ(countPixels(c.image(), chart::kPartialShadingYellow), 0);
    EXPECT_EQ(countPixels(c.image(), chart::kTotalShadingRed), yellow);
    // A seed on the gray fills nothing; the brush is left white.
    chart::fillMask(c, {100, 150}, chart::MaskFill::Partial);
    EXPECT_EQ(countPixels(c.image(), chart::kPartialShadingYellow), 0);
    EXPECT_EQ(c.brushColor(), QColor(Qt::white));
}

TEST(FreehandMask, SegmentsAreThreePixelsWideAndDotsSmall) {
    Canvas c(460, 460);
    chart::drawMaskSegment(c, {50, 300}, {250, 300});
    EXPECT_EQ(paintedBoundingBox(c.image(), QRect(100, 0, 50, 460)), QRect(100, 299, 50, 3));
    Canvas dot(460, 460);
    chart::drawMaskDot(dot, {40, 40});
    const QRect box = paintedBoundingBox(dot.image());
    EXPECT_TRUE(QRect(37, 37, 6, 6).contains(box));
    EXPECT_EQ(countPixels(dot.image(), chart::kMaskGray), countPainted(dot.image()));
}

struct ReferenceCase {
    double orientation;
    QPoint facadeEnd;    // a point on the façade line, inside the horizon
    QPoint normalPoint;  // a point on the radius toward the orientation
    QPoint empty;        // a point on the opposite radius
};

class MaskReferenceLines : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(MaskReferenceLines, AreTheHorizonTheFacadeAndTheNormal) {
    const ReferenceCase& r = GetParam();
    Canvas c(460, 460);
    chart::drawMaskReferenceLines(c, chart::ChartGeometry::forImage(460, 460), r.orientation);
    const QImage& image = c.image();
    EXPECT_TRUE(colourNear(image, {230, 39}, chart::kMaskGray, 1));   // horizon, north
    EXPECT_TRUE(colourNear(image, {421, 230}, chart::kMaskGray, 1));  // horizon, east
    EXPECT_TRUE(isColour(image, r.facadeEnd.x(), r.facadeEnd.y(), chart::kMaskGray));
    EXPECT_TRUE(isColour(image, r.normalPoint.x(), r.normalPoint.y(), chart::kMaskGray));
    EXPECT_TRUE(isColour(image, r.empty.x(), r.empty.y(), Qt::white));
    EXPECT_EQ(c.penColor(), QColor(Qt::white));
    EXPECT_EQ(c.penWidth(), 1);
}

INSTANTIATE_TEST_SUITE_P(Orientations, MaskReferenceLines,
                         ::testing::Values(ReferenceCase{0, {100, 230}, {230, 100}, {230, 350}},
                                           ReferenceCase{90, {230, 100}, {350, 230}, {100, 230}}));
