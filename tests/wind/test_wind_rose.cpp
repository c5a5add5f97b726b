#include "wind/RoseFrames.h"
#include "wind/RoseLabels.h"
#include "wind/SeasonBars.h"
#include "wind/Seasons.h"
#include "wind/WindRose.h"

#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace wind;

namespace {

const WindGeometry kCentre = WindGeometry::forImage(460, 460);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kSilver(192, 192, 192);

TEST(WindGeometry, UnitCentreAndOctagon) {
    EXPECT_EQ(kCentre.windCentreX, 230.0);
    EXPECT_EQ(kCentre.windCentreY, 230.0);
    EXPECT_EQ(WindUnit(2.5), 60.0);
    Canvas canvas;
    DrawWindOctagon(canvas, kCentre);
    for (const QPoint& v :
         {QPoint(254, 172), QPoint(287, 206), QPoint(287, 254), QPoint(254, 287), QPoint(206, 287),
          QPoint(172, 254), QPoint(172, 206), QPoint(206, 172)}) {
        EXPECT_TRUE(isColour(canvas.image(), v.x(), v.y(), Qt::black)) << v.x() << "," << v.y();
    }
    EXPECT_EQ(paintedBoundingBox(canvas.image()), QRect(QPoint(172, 172), QPoint(287, 287)));
}

struct AxisCase {
    const char* name;
    QPoint first;   // the frame's first pixel on the axis, 57 px out
    QPoint last;    // its last, 177 px out
    QPoint before;  // one pixel nearer the centre
    QPoint after;   // one pixel beyond
};

class FrameAlongAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(FrameAlongAxis, RunsFrom57To177Pixels) {
    const AxisCase& c = GetParam();
    Canvas canvas;
    const WindFrameTemplate f = DrawNorthFrame(canvas, kCentre);
    DrawRotatedFrames(canvas, kCentre, f);
    const QImage& im = canvas.image();
    EXPECT_TRUE(isColour(im, c.first.x(), c.first.y(), Qt::black));
    EXPECT_TRUE(isColour(im, c.last.x(), c.last.y(), Qt::black));
    EXPECT_TRUE(isColour(im, c.before.x(), c.before.y(), Qt::white));
    EXPECT_TRUE(isColour(im, c.after.x(), c.after.y(), Qt::white));
}

INSTANTIATE_TEST_SUITE_P(
    Axes, FrameAlongAxis,
    ::testing::Values(AxisCase{"North", {230, 173}, {230, 53}, {230, 174}, {230, 52}},
                      AxisCase{"East", {287, 230}, {407, 230}, {286, 230}, {408, 230}},
                      AxisCase{"South", {230, 287}, {230, 407}, {230, 286}, {230, 408}},
                      AxisCase{"West", {173, 230}, {53, 230}, {174, 230}, {52, 230}}),
    [](const auto& p) { return std::string(p.param.name); });

struct LengthCase {
    const char* name;
    WindMode mode;
    double fileValue;
    int topPx;  // the bar's outer end, pixels from the centre
};

class BarLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(BarLength, FollowsTheScaleOfItsMode) {
    const LengthCase& c = GetParam();
    const double value = c.fileValue * windModeTexts(c.mode).factor;
    Canvas canvas;
    DrawSeasonBars(canvas, kCentre, 0.0, value, value, value, value);
    const int top = 230 - c.topPx;
    EXPECT_TRUE(isColour(canvas.image(), 212, top, Qt::black));
    EXPECT_TRUE(isColour(canvas.image(), 212, top + 1, kYellow));
    EXPECT_TRUE(isColour(canvas.image(), 212, top - 1, Qt::white));
    EXPECT_TRUE(isColour(canvas.image(), 212, 230 - 57, Qt::black));  // it starts on the octagon
}

INSTANTIATE_TEST_SUITE_P(
    Scales, BarLength,
    ::testing::Values(
        LengthCase{"TenMetresReachTheFrameEnd", WindMode::PredominantSpeeds, 10.0, 177},
        LengthCase{"FiftyPercentReachTheFrameEnd", WindMode::Frequencies, 50.0, 177},
        LengthCase{"TwoMetresReachTheFirstUnitLine", WindMode::PredominantSpeeds, 2.0, 81},
        LengthCase{"TenPercentReachTheFirstUnitLine", WindMode::Frequencies, 10.0, 81},
        LengthCase{"TwelveMetresPassOneUnitBeyond", WindMode::PredominantSpeeds, 12.0, 201}),
    [](const auto& p) { return std::string(p.param.name); });

struct OrderCase {
    const char* name;
    double bearing;
    std::array<QPoint, 4> columns;  // a pixel inside each season's bar, P first
};

class SeasonOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SeasonOrder, RunsFromTheCounterClockwiseSide) {
    const OrderCase& c = GetParam();
    Canvas canvas;
    DrawSeasonBars(canvas, kCentre, c.bearing, 30.0, 30.0, 30.0, 30.0);
    const std::array<QColor, 4> colours{kYellow, kRed, kGreen, kBlue};
    for (std::size_t s = 0; s < 4; ++s) {
        EXPECT_TRUE(isColour(canvas.image(), c.columns[s].x(), c.columns[s].y(), colours[s]))
            << "season " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Directions, SeasonOrder,
    ::testing::Values(
        OrderCase{"NorthYellowLeftmost", 0.0, {{{212, 130}, {224, 130}, {236, 130}, {248, 130}}}},
        OrderCase{"EastYellowUppermost", 90.0, {{{330, 212}, {330, 224}, {330, 236}, {330, 248}}}},
        OrderCase{
            "SouthYellowRightmost", 180.0, {{{248, 330}, {236, 330}, {224, 330}, {212, 330}}}},
        OrderCase{"WestYellowLowest", 270.0, {{{130, 248}, {130, 236}, {130, 224}, {130, 212}}}}),
    [](const auto& p) { return std::string(p.param.name); });

class ShortBars : public ::testing::TestWithParam<double> {};

TEST_P(ShortBars, NeverFillBeyondTheirOutline) {
    const double value = GetParam();
    for (int d = 0; d < kDirectionCount; ++d) {
        const auto bars =
            seasonBarOutlines(kCentre, directionBearingDeg(d), value, value, value, value);
        QRect outlines;
        for (const BarOutline& bar : bars) {
            for (const QPoint& corner : bar.corners) {
                outlines |= QRect(corner, QSize(1, 1));
            }
        }
        Canvas canvas;
        DrawSeasonBars(canvas, kCentre, directionBearingDeg(d), value, value, value, value);
        const QImage& im = canvas.image();
        EXPECT_EQ(countPainted(im), countPainted(im, outlines))
            << "direction " << d << " value " << value;
        const int filled = countPainted(im) - countPixels(im, Qt::black);
        if (value == 0.0) {
            EXPECT_EQ(filled, 0) << "direction " << d;
        }
        // A bar of half a unit or more always has an inside, and is filled.
        if (std::abs(barLengthUnits(value)) >= 0.5) {
            for (const BarOutline& bar : bars) {
                EXPECT_TRUE(bar.seedInside()) << "direction " << d << " value " << value;
            }
            EXPECT_GT(filled, 4 * 30) << "direction " << d;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ShortBars,
                         ::testing::Values(0.0, 0.05, 0.2, 0.4, 0.6, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0,
                                           5.0, 7.5, -0.4, -3.0, -12.0));

TEST(WindRose, SilverGridLinesCrossTheBars) {
    WindValueTable values{};
    for (auto& direction : values) {
        direction = {50.0, 50.0, 50.0, 50.0};
    }
    Canvas canvas;
    DrawWindRose(canvas, kCentre, values, 0);
    const QImage& im = canvas.image();
    EXPECT_TRUE(isColour(im, 212, 230 - 69, kSilver));  // half a unit along north
    EXPECT_TRUE(isColour(im, 212, 230 - 70, kYellow));
    EXPECT_TRUE(isColour(im, 230 + 69, 248, kSilver));  // and along east, over blue
    EXPECT_TRUE(isColour(im, 230 + 70, 248, kBlue));
    EXPECT_TRUE(isColour(im, 212, 230 - 177, Qt::black));  // the outline over the bar's end
}

TEST(WindLabels, AnchorsOfLettersAndScales) {
    const std::array<QPoint, 8> letters{QPoint(223, 16),  QPoint(364, 74),  QPoint(431, 218),
                                        QPoint(364, 362), QPoint(223, 419), QPoint(66, 362),
                                        QPoint(13, 218),  QPoint(66, 74)};
    const auto drawn = directionLetters(kCentre);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        EXPECT_EQ(drawn[i].anchor, letters[i]) << drawn[i].text;
    }
    const std::array<QPoint, 6> north{QPoint(166, 105), QPoint(191, 141), QPoint(191, 117),
                                      QPoint(191, 93),  QPoint(191, 69),  QPoint(191, 45)};
    const std::array<QPoint, 6> east{QPoint(341, 166), QPoint(305, 191), QPoint(329, 191),
                                     QPoint(353, 191), QPoint(377, 191), QPoint(401, 191)};
    EXPECT_EQ(scaleLabelAnchors(kCentre, 0), north);
    EXPECT_EQ(scaleLabelAnchors(kCentre, 2), east);
}

TEST(WindLabels, SeasonLegendBoxes) {
    Canvas canvas;
    DrawWindLabels(canvas, kCentre, 0);
    const QImage& im = canvas.image();
    const std::array<QColor, 4> colours{kYellow, kRed, kGreen, kBlue};
    const std::array<int, 4> tops{388, 406, 424, 442};
    for (std::size_t s = 0; s < 4; ++s) {
        const int top = tops[s];
        EXPECT_TRUE(isColour(im, 20, top + 6, colours[s])) << s;
        EXPECT_TRUE(isColour(im, 15, top, Qt::black)) << s;
        EXPECT_TRUE(isColour(im, 32, top + 11, Qt::black)) << s;  // right and bottom excluded
        EXPECT_TRUE(isColour(im, 33, top + 6, Qt::white)) << s;
        EXPECT_TRUE(isColour(im, 20, top + 12, Qt::white)) << s;
        EXPECT_GT(countPainted(im, QRect(39, top, 60, 12)), 10) << seasonStyles()[s].name;
    }
}

TEST(WindLabels, ModeChangesTitleAndScalesOnly) {
    Canvas speeds;
    Canvas frequencies;
    DrawWindLabels(speeds, kCentre, 0);
    DrawWindLabels(frequencies, kCentre, 1);
    const QImage& a = speeds.image();
    const QImage& b = frequencies.image();
    const QRect title(176, 200, 110, 60);
    const QRect northUnit(166, 105, 20, 12);
    const QRect letterN(223, 16, 20, 20);
    const QRect legend(0, 380, 120, 80);
    EXPECT_NE(a.copy(title), b.copy(title));
    EXPECT_NE(a.copy(northUnit), b.copy(northUnit));
    EXPECT_EQ(a.copy(letterN), b.copy(letterN));
    EXPECT_EQ(a.copy(legend), b.copy(legend));
    EXPECT_EQ(windModeFromItem(0), WindMode::PredominantSpeeds);
    EXPECT_EQ(windModeFromItem(1), WindMode::Frequencies);
    EXPECT_EQ(windModeFromItem(3), WindMode::Frequencies);
    EXPECT_EQ(windModeTexts(WindMode::PredominantSpeeds).factor, 5.0);
    EXPECT_EQ(windModeTexts(WindMode::Frequencies).factor, 1.0);
}

}  // namespace
