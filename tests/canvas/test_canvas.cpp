#include "canvas/Canvas.h"
#include "canvas/Truncate.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

}  // namespace

TEST(Truncation, TowardZeroAndSaturating) {
    const std::pair<double, int> cases[] = {{2.9, 2},         {-2.9, -2},    {-0.5, 0},
                                            {1e12, kMax},     {-1e12, kMin}, {HUGE_VAL, kMax},
                                            {std::nan(""), 0}};
    for (const auto& [value, px] : cases) {
        EXPECT_EQ(truncPx(value), px) << value;
    }
}

TEST(CanvasBoxes, RectangleExcludesRightAndBottomEdges) {
    Canvas c(460, 460);
    c.setPenColor(Qt::black);
    c.setBrushColor(kYellow);
    c.rectangle(15, 388, 33, 400);
    EXPECT_EQ(countPainted(c.image()), 18 * 12);
    EXPECT_EQ(paintedBoundingBox(c.image()), QRect(QPoint(15, 388), QPoint(32, 399)));
    EXPECT_TRUE(isColour(c.image(), 20, 394, kYellow));
    EXPECT_TRUE(isColour(c.image(), 15, 388, Qt::black));
}

// Setting a brush colour makes a clear brush solid.
TEST(CanvasBoxes, EllipseBoxSpansItsWidthAndFillsWithASolidBrushOnly) {
    Canvas c(460, 460);
    c.setBrushStyle(BrushStyle::Clear);
    c.ellipse(38, 38, 422, 422);
    EXPECT_EQ(paintedBoundingBox(c.image()), QRect(38, 38, 384, 384));
    EXPECT_TRUE(isColour(c.image(), 230, 230, Qt::white));
    c.setBrushColor(kRed);
    EXPECT_EQ(c.brushStyle(), BrushStyle::Solid);
    c.ellipse(38, 38, 422, 422);
    EXPECT_TRUE(isColour(c.image(), 230, 230, kRed));
}

// Width 0 is the thinnest line, as 1 is.
TEST(CanvasLines, KeepTheirEndPixelAndMoveThePen) {
    for (int width : {1, 0}) {
        Canvas c(50, 50);
        c.setPenWidth(width);
        c.moveTo(5, 5);
        c.lineTo(20, 5);
        EXPECT_TRUE(isColour(c.image(), 20, 5, Qt::black)) << width;
        EXPECT_EQ(countPainted(c.image()), 16) << width;
        EXPECT_EQ(c.penPosition(), QPoint(20, 5));
    }
}

TEST(CanvasLines, DottedPenIsOneOnTwoOff) {
    Canvas c(60, 10);
    c.setPenStyle(PenStyle::Dot);
    c.moveTo(0, 5);
    c.lineTo(59, 5);
    EXPECT_EQ(countPainted(c.image()), 20);
    EXPECT_TRUE(isColour(c.image(), 0, 5, Qt::black));
    EXPECT_TRUE(isColour(c.image(), 1, 5, Qt::white));
    EXPECT_TRUE(isColour(c.image(), 3, 5, Qt::black));
}

class FloodFillInsideBorder : public ::testing::TestWithParam<int> {};

TEST_P(FloodFillInsideBorder, StaysInsideEllipsesAndPolygonsOfLines) {
    const int width = GetParam();
    Canvas c(200, 200);
    c.setPenColor(Qt::black);
    c.setPenWidth(width);
    c.setBrushStyle(BrushStyle::Clear);
    c.ellipse(20, 20, 120, 90);
    // A closed polygon of slanted lines, drawn as move/line pairs.
    const std::vector<QPoint> star{{130, 110}, {190, 130}, {150, 190}, {110, 170}, {130, 110}};
    c.moveTo(star[0].x(), star[0].y());
    for (std::size_t i = 1; i < star.size(); ++i) {
        c.lineTo(star[i].x(), star[i].y());
    }
    c.setBrushColor(kRed);
    c.floodFill(70, 55, Qt::black);
    c.floodFill(145, 150, Qt::black);
    const int red = countPixels(c.image(), kRed);
    const int insideEllipse = countPixels(c.image(), kRed, QRect(QPoint(20, 20), QPoint(119, 89)));
    const int insideStar = countPixels(c.image(), kRed, QRect(QPoint(110, 110), QPoint(190, 190)));
    EXPECT_GT(insideEllipse, 3000);
    EXPECT_GT(insideStar, 1500);
    EXPECT_EQ(red, insideEllipse + insideStar)
        << saveForInspection(c.image(), "fill-leak").toStdString();
    EXPECT_TRUE(isColour(c.image(), 5, 5, Qt::white));
    EXPECT_TRUE(isColour(c.image(), 199, 0, Qt::white));
}

INSTANTIATE_TEST_SUITE_P(BorderWidths, FloodFillInsideBorder, ::testing::Values(1, 2, 3));

TEST(CanvasFloodFill, RepaintsEveryNonBorderPixelAndSpreadsOverItsOwnColour) {
    Canvas c(100, 100);
    c.setPenColor(kBlue);
    c.moveTo(40, 40);
    c.lineTo(45, 40);  // a blue mark inside the white area
    c.setPenColor(Qt::black);
    c.setBrushStyle(BrushStyle::Clear);
    c.rectangle(10, 10, 90, 90);
    c.setBrushColor(Qt::white);
    c.floodFill(20, 20, Qt::black);  // white over white must still spread
    EXPECT_EQ(countPixels(c.image(), kBlue), 0);
    EXPECT_EQ(countPixels(c.image(), Qt::black), 4 * 79);
}

TEST(CanvasFloodFill, SeedOnTheBorderOrOutsideFillsNothing) {
    Canvas c(50, 50);
    c.setPenColor(Qt::black);
    c.moveTo(0, 25);
    c.lineTo(49, 25);
    c.setBrushColor(kRed);
    c.floodFill(10, 25, Qt::black);
    c.floodFill(-1, 10, Qt::black);
    c.floodFill(50, 10, Qt::black);
    EXPECT_EQ(countPixels(c.image(), kRed), 0);
    c.setBrushStyle(BrushStyle::Clear);
    c.floodFill(10, 10, Qt::black);
    EXPECT_EQ(countPixels(c.image(), kRed), 0);
}

TEST(CanvasText, OpaqueOnASolidBrushAndClearOtherwise) {
    Canvas c(200, 60);
    c.setBrushColor(kYellow);
    c.setFontSize(8);
    c.textOut(10, 5, "Latitude");
    const QRect box = paintedBoundingBox(c.image());
    EXPECT_EQ(box.topLeft(), QPoint(10, 5));
    EXPECT_EQ(box.size(), c.textExtent("Latitude"));
    EXPECT_GT(countPixels(c.image(), kYellow), 0);

    Canvas clear(200, 60);
    clear.setBrushStyle(BrushStyle::Clear);
    clear.setFontColor(kBlue);
    clear.textOut(10, 5, "Latitude");
    EXPECT_EQ(countPainted(clear.image()), countPixels(clear.image(), kBlue));
    EXPECT_GT(countPainted(clear.image()), 20);
    EXPECT_TRUE(QRect(10, 5, 200, 60).contains(paintedBoundingBox(clear.image())));
}

TEST(CanvasText, SizesBelowEightRenderAtEight) {
    Canvas c(100, 40);
    c.setFontSize(1);
    const QSize tiny = c.textExtent("80");
    c.setFontSize(8);
    EXPECT_EQ(tiny, c.textExtent("80"));
}

TEST(CanvasCopy, WhitenessPaintsTheRectangleWhite) {
    Canvas c(60, 60);
    c.setBrushColor(kRed);
    c.rectangle(0, 0, 60, 60);
    c.setCopyMode(CopyMode::Whiteness);
    c.copyRect(0, 0, 60, 60, c.image(), 0, 0, 60, 60);
    EXPECT_EQ(countPainted(c.image()), 0);

    Canvas source(10, 10);
    source.setBrushColor(kBlue);
    source.rectangle(0, 0, 10, 10);
    c.setCopyMode(CopyMode::Source);
    c.copyRect(5, 5, 15, 15, source.image(), 0, 0, 10, 10);
    EXPECT_EQ(countPainted(c.image()), 100);
    EXPECT_EQ(paintedBoundingBox(c.image()), QRect(5, 5, 10, 10));
}

TEST(CanvasStretch, LeavesOutTheTransparentColourAndSamplesNearest) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(1, 1, kRed.rgb());
    Canvas c(10, 10);
    c.setBrushColor(kBlue);
    c.rectangle(0, 0, 10, 10);
    c.stretchDraw(2, 2, 6, 6, picture, QColor(Qt::white));
    EXPECT_EQ(countPixels(c.image(), kRed), 4);
    EXPECT_EQ(paintedBoundingBox(c.image(), QRect(2, 2, 4, 4)), QRect(2, 2, 4, 4));
    EXPECT_TRUE(isColour(c.image(), 2, 2, kBlue));
    EXPECT_TRUE(isColour(c.image(), 5, 5, kRed));
    EXPECT_TRUE(isColour(c.image(), 3, 3, kBlue));

    c.stretchDraw(0, 0, 10, 10, picture);
    EXPECT_EQ(countPixels(c.image(), Qt::white), 75);
}

TEST(CanvasStretch, HugeOrEmptyRectanglesAreSafe) {
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(kRed);
    Canvas c(20, 20);
    c.stretchDraw(kMin, kMin, kMax, kMax, picture);
    EXPECT_EQ(countPixels(c.image(), kRed), 400);
    Canvas d(20, 20);
    d.stretchDraw(5, 5, 5, 9, picture);
    EXPECT_EQ(countPainted(d.image()), 0);
}

// Several seeds in one call fill exactly what one call per seed fills, also
// when the fill is the border colour itself.
TEST(CanvasFloodFill, SeveralSeedsFillAsOneCallEach) {
    const std::vector<QPoint> seeds{{5, 5}, {60, 60}, {6, 6}, {150, 20}, {-3, 4}, {100, 100}};
    for (const QColor fill : {QColor(Qt::white), QColor(255, 0, 0), QColor(Qt::black)}) {
        Canvas one(200, 150);
        one.setPenStyle(PenStyle::Dot);
        one.setBrushStyle(BrushStyle::Clear);
        one.ellipse(20, 20, 180, 140);
        one.setPenStyle(PenStyle::Solid);
        one.moveTo(0, 75);
        one.lineTo(199, 75);
        one.setPenColor(QColor(0, 0, 255));
        one.moveTo(40, 0);
        one.lineTo(120, 149);
        Canvas each = one;
        one.setBrushColor(fill);
        each.setBrushColor(fill);
        one.floodFill(seeds, Qt::black);
        for (const QPoint& seed : seeds) {
            each.floodFill(seed.x(), seed.y(), Qt::black);
        }
        EXPECT_EQ(compareImages(one.image(), each.image(), "multi-seed"), "") << fill.name().toStdString();
    }
}
