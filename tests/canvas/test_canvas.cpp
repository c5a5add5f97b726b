#include "canvas/Canvas.h"
#include "canvas/Truncate.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

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

// A whole picture copied shares its pixels until a side draws: whatever
// either side draws afterwards, and however, never shows on the other.
TEST(CanvasCopy, WholePictureKeepsItsPixelsWhateverEitherSideDrawsLater) {
    const std::vector<std::function<void(Canvas&)>> draws{
        [](Canvas& k) { k.pixelsForWriting()[7] = 0xFF0000FF; },
        [](Canvas& k) {
            k.setBrushColor(kRed);
            k.floodFill(1, 1, Qt::black);
        },
        [](Canvas& k) {
            k.setPenColor(kBlue);
            k.moveTo(0, 0);
            k.lineTo(39, 29);
        },
        [](Canvas& k) {
            k.setBrushColor(kYellow);
            k.rectangle(2, 2, 20, 20);
        },
        [](Canvas& k) { k.clear(); }};
    for (std::size_t i = 0; i < draws.size(); ++i) {
        for (const bool drawOnSource : {true, false}) {
            Canvas source(40, 30);
            source.setPenColor(Qt::black);
            source.setBrushColor(kBlue);
            source.ellipse(5, 5, 25, 25);
            Canvas copy(40, 30);
            copy.copyRect(0, 0, 40, 30, source.image(), 0, 0, 40, 30);
            ASSERT_EQ(copy.image(), source.image());
            const QImage before = source.image().copy();
            draws[i](drawOnSource ? source : copy);
            const Canvas& untouched = drawOnSource ? copy : source;
            EXPECT_EQ(untouched.image(), before)
                << "draw " << i << (drawOnSource ? " on the source" : " on the copy");
            EXPECT_NE((drawOnSource ? source : copy).image(), before) << "draw " << i;
        }
    }
}

// Each pixel of the stretched picture takes the nearest one of the source.
TEST(CanvasStretch, SamplesTheNearestPixel) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(1, 1, kRed.rgb());
    Canvas c(10, 10);
    c.stretchDraw(0, 0, 10, 10, picture);
    EXPECT_EQ(countPixels(c.image(), kRed), 25);
    EXPECT_EQ(paintedBoundingBox(c.image()), QRect(5, 5, 5, 5));
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

namespace {

// The fill by its definition: every pixel 4-connected to a seed through
// pixels not of the border colour, one seed after the other.
QImage floodFilledByDefinition(QImage image, const std::vector<QPoint>& seeds, QRgb border,
                               QRgb fill) {
    for (const QPoint& seed : seeds) {
        if (!image.rect().contains(seed)) {
            continue;
        }
        std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()));
        std::vector<QPoint> open{seed};
        while (!open.empty()) {
            const QPoint p = open.back();
            open.pop_back();
            const auto index = static_cast<std::size_t>(p.y() * image.width() + p.x());
            if (!image.rect().contains(p) || seen[index] ||
                (image.pixel(p) & 0xFFFFFF) == (border & 0xFFFFFF)) {
                continue;
            }
            seen[index] = true;
            image.setPixel(p, fill);
            open.insert(open.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1),
                                     p - QPoint(0, 1)});
        }
    }
    return image;
}

}  // namespace

// Mazes of random walls and colours, the fill of a colour already there, of
// the border colour and of a third, from several seeds.
TEST(CanvasFloodFill, FillsWhatTheDefinitionFillsInRandomMazes) {
    std::mt19937 random(11);
    const QRgb colours[] = {0xFF000000, 0xFFFFFFFF, 0xFF0000FF};
    for (int maze = 0; maze < 30; ++maze) {
        Canvas canvas(61, 47);
        canvas.setPenWidth(1 + maze % 2);
        for (int wall = 0; wall < 25; ++wall) {
            canvas.setPenColor(QColor::fromRgb(colours[random() % 3]));
            canvas.moveTo(static_cast<int>(random() % 61), static_cast<int>(random() % 47));
            canvas.lineTo(static_cast<int>(random() % 61), static_cast<int>(random() % 47));
        }
        std::vector<QPoint> seeds;
        for (int s = 0; s < 4; ++s) {
            seeds.emplace_back(static_cast<int>(random() % 65) - 2, static_cast<int>(random() % 49) - 1);
        }
        const QRgb fill = colours[maze % 3];
        const QImage expected =
            floodFilledByDefinition(canvas.image(), seeds, 0xFF000000, fill);
        canvas.setBrushColor(QColor::fromRgb(fill));
        canvas.floodFill(seeds, Qt::black);
        ASSERT_EQ(compareImages(canvas.image(), expected, QStringLiteral("maze")), "") << maze;
    }
}

namespace {

// None of them the background's (half white, half brown).
const QColor kPens[] = {QColor(0, 128, 0), QColor(250, 1, 2), QColor(12, 34, 56)};
const QColor kBrushes[] = {QColor(255, 255, 0), QColor(0, 0, 128), QColor(99, 99, 99)};

// The same operation three times, each in pens[time] and brushes[time] on a
// fresh canvas of a size of its own (so that no other test drew it before),
// the colours then made the same for every time, to compare the pixels.
std::vector<QImage> drawnThreeTimes(const std::function<void(Canvas&)>& draw) {
    std::vector<QImage> drawn;
    for (std::size_t time = 0; time < 3; ++time) {
        Canvas canvas(123, 97);
        canvas.setBrushColor(QColor(200, 100, 50));
        canvas.rectangle(0, 0, 60, 97);
        canvas.setPenColor(kPens[time]);
        canvas.setFontColor(kPens[time]);
        canvas.setBrushColor(kBrushes[time]);
        draw(canvas);
        QImage picture = canvas.image();
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y) & 0xFFFFFF;
                picture.setPixel(x, y, p == (kPens[time].rgb() & 0xFFFFFF)      ? 0xFF000001
                                       : p == (kBrushes[time].rgb() & 0xFFFFFF) ? 0xFF000002
                                                                               : p | 0xFF000000);
            }
        }
        drawn.push_back(picture);
    }
    return drawn;
}

void expectAllAlike(const std::vector<QImage>& drawn, const QString& name) {
    EXPECT_EQ(compareImages(drawn[1], drawn[0], name + "_second"), "");
    EXPECT_EQ(compareImages(drawn[2], drawn[0], name + "_third"), "");
}

}  // namespace

// The canvas keeps the pixels of ellipses, texts and lines it drew before
// and writes them again: the second and third drawings must paint what the
// first one, the painter's, painted, cut by the image's edges or not.
TEST(CanvasBoxes, DrawingsDrawnAgainPaintWhatThePainterPainted) {
    struct Ellipse {
        int left, top, right, bottom, penWidth;
        PenStyle style;
        bool brush;
    };
    const Ellipse ellipses[] = {{10, 12, 90, 70, 1, PenStyle::Solid, false},
                                {10, 12, 90, 70, 2, PenStyle::Solid, true},
                                {-40, 30, 60, 190, 1, PenStyle::Dot, false},
                                {5, 5, 8, 8, 1, PenStyle::Solid, true},
                                {-900, -800, 1100, 1200, 2, PenStyle::Solid, true},
                                {30, 20, 31, 21, 2, PenStyle::Solid, true}};
    for (const Ellipse& e : ellipses) {
        const auto drawn = drawnThreeTimes([&e](Canvas& canvas) {
            canvas.setPenWidth(e.penWidth);
            canvas.setPenStyle(e.style);
            if (!e.brush) {
                canvas.setBrushStyle(BrushStyle::Clear);
            }
            canvas.ellipse(e.left, e.top, e.right, e.bottom);
        });
        expectAllAlike(drawn, QStringLiteral("ellipse_%1_%2").arg(e.left).arg(e.penWidth));
    }
    struct Text {
        int x, y, points;
        bool bold, brush;
        const char* text;
    };
    const Text texts[] = {{10, 10, 8, false, true, "21 Jan"}, {50, 40, 14, true, false, "N"},
                          {110, 90, 8, true, true, "180"},    {-5, -3, 1, true, true, "90"}};
    for (const Text& t : texts) {
        const auto drawn = drawnThreeTimes([&t](Canvas& canvas) {
            canvas.setFontSize(t.points);
            canvas.setFontBold(t.bold);
            if (!t.brush) {
                canvas.setBrushStyle(BrushStyle::Clear);
            }
            canvas.textOut(t.x, t.y, QString::fromUtf8(t.text));
        });
        expectAllAlike(drawn, QStringLiteral("text_%1").arg(t.x));
    }
    struct Line {
        int x0, y0, x1, y1, penWidth;
        PenStyle style;
    };
    const Line lines[] = {{3, 4, 117, 80, 1, PenStyle::Solid}, {60, 90, 60, 2, 2, PenStyle::Solid},
                          {10, 50, 110, 51, 0, PenStyle::Dot}, {-30, 20, 200, 70, 1, PenStyle::Dot},
                          {40, 40, 40, 40, 2, PenStyle::Solid}};
    for (const Line& l : lines) {
        const auto drawn = drawnThreeTimes([&l](Canvas& canvas) {
            canvas.setPenWidth(l.penWidth);
            canvas.setPenStyle(l.style);
            canvas.moveTo(l.x0, l.y0);
            canvas.lineTo(l.x1, l.y1);
            EXPECT_EQ(canvas.penPosition(), QPoint(l.x1, l.y1));
        });
        expectAllAlike(drawn, QStringLiteral("line_%1_%2").arg(l.x0).arg(l.y0));
    }
}

// A canvas knows when it is all white, so that clearing it again costs
// nothing; any colour put on it ends that, and clearing it whitens all.
TEST(CanvasClear, KnowsWhenItIsBlankAndWhitensEverythingOtherwise) {
    Canvas c(40, 30);
    EXPECT_TRUE(c.blank());
    c.setPenColor(Qt::white);
    c.setBrushColor(Qt::white);
    c.rectangle(0, 0, 40, 30);
    c.setCopyMode(CopyMode::Whiteness);
    c.copyRect(5, 5, 10, 10, c.image(), 0, 0, 5, 5);
    EXPECT_TRUE(c.blank());
    const auto generation = c.generation();
    c.clear();
    EXPECT_EQ(c.generation(), generation);  // nothing to repaint

    for (const auto& draw : std::vector<std::function<void(Canvas&)>>{
             [](Canvas& k) { k.textOut(3, 3, QStringLiteral("8")); },
             [](Canvas& k) { k.pixelsForWriting()[7] = 0xFF000000; },
             [](Canvas& k) { k.setBrushColor(kRed); k.floodFill(1, 1, Qt::black); },
             [](Canvas& k) { k.setPenColor(kBlue); k.moveTo(0, 0); k.lineTo(39, 29); }}) {
        Canvas drawn(40, 30);
        draw(drawn);
        EXPECT_FALSE(drawn.blank());
        EXPECT_GT(countPainted(drawn.image()), 0);
        drawn.setCopyMode(CopyMode::Whiteness);
        drawn.copyRect(0, 0, 40, 30, drawn.image(), 0, 0, 40, 30);
        EXPECT_TRUE(drawn.blank());
        EXPECT_EQ(countPainted(drawn.image()), 0);
    }
}
