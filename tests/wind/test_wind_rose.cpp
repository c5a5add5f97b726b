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
const QColor kBlue(0, 0, 255);
const std::array<QColor, 4> kSeasonColours{kYellow, QColor(255, 0, 0), QColor(0, 128, 0), kBlue};

bool isAt(const QImage& image, const QPoint& p, const QColor& colour) {
    return isColour(image, p.x(), p.y(), colour);
}

TEST(SeasonBars, TheirLengthFollowsTheScaleOfTheMode) {
    const struct {
        const char* name;
        WindMode mode;
        double fileValue;
        int topPx;  // the bar's outer end, pixels from the centre
    } cases[] = {
        {"10 m/s reach the frame's end", WindMode::PredominantSpeeds, 10.0, 177},
        {"50 % reach the frame's end", WindMode::Frequencies, 50.0, 177},
        {"2 m/s reach the first unit line", WindMode::PredominantSpeeds, 2.0, 81},
        {"10 % reach the first unit line", WindMode::Frequencies, 10.0, 81},
        {"12 m/s pass one unit beyond", WindMode::PredominantSpeeds, 12.0, 201},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const double value = c.fileValue * windModeTexts(c.mode).factor;
        Canvas canvas;
        drawSeasonBars(canvas, kCentre, 0.0, value, value, value, value);
        const int top = 230 - c.topPx;
        EXPECT_TRUE(isColour(canvas.image(), 212, top, Qt::black));
        EXPECT_TRUE(isColour(canvas.image(), 212, top + 1, kYellow));
        EXPECT_TRUE(isColour(canvas.image(), 212, top - 1, Qt::white));
        EXPECT_TRUE(isColour(canvas.image(), 212, 230 - 57, Qt::black));  // from the octagon
    }
}

TEST(SeasonBars, RunFromTheCounterClockwiseSide) {
    // A pixel inside each season's bar, P first: leftmost in the north,
    // uppermost in the east, rightmost in the south, lowest in the west.
    const std::pair<double, std::array<QPoint, 4>> cases[] = {
        {0.0, {QPoint(212, 130), QPoint(224, 130), QPoint(236, 130), QPoint(248, 130)}},
        {90.0, {QPoint(330, 212), QPoint(330, 224), QPoint(330, 236), QPoint(330, 248)}},
        {180.0, {QPoint(248, 330), QPoint(236, 330), QPoint(224, 330), QPoint(212, 330)}},
        {270.0, {QPoint(130, 248), QPoint(130, 236), QPoint(130, 224), QPoint(130, 212)}},
    };
    for (const auto& [bearing, columns] : cases) {
        Canvas canvas;
        drawSeasonBars(canvas, kCentre, bearing, 30.0, 30.0, 30.0, 30.0);
        for (std::size_t s = 0; s < 4; ++s) {
            EXPECT_TRUE(isAt(canvas.image(), columns[s], kSeasonColours[s]))
                << "bearing " << bearing << " season " << s;
        }
    }
}

TEST(SeasonBars, AShortBarNeverFillsBeyondItsOutline) {
    for (double value :
         {0.0, 0.05, 0.2, 0.4, 0.6, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 7.5, -0.4, -3.0, -12.0}) {
        for (int d = 0; d < kDirectionCount; ++d) {
            SCOPED_TRACE(testing::Message() << "direction " << d << " value " << value);
            const double bearing = directionBearingDeg(d);
            const auto bars = seasonBarOutlines(kCentre, bearing, value, value, value, value);
            QRect outlines;
            for (const BarOutline& bar : bars) {
                for (const QPoint& corner : bar.corners) {
                    outlines |= QRect(corner, QSize(1, 1));
                }
            }
            Canvas canvas;
            drawSeasonBars(canvas, kCentre, bearing, value, value, value, value);
            const QImage& im = canvas.image();
            EXPECT_EQ(countPainted(im), countPainted(im, outlines));
            const int filled = countPainted(im) - countPixels(im, Qt::black);
            if (value == 0.0) {
                EXPECT_EQ(filled, 0);
            }
            // A bar of half a unit or more always has an inside, and is filled.
            if (std::abs(barLengthUnits(value)) >= 0.5) {
                for (const BarOutline& bar : bars) {
                    EXPECT_TRUE(bar.seedInside());
                }
                EXPECT_GT(filled, 4 * 30);
            }
        }
    }
}

TEST(WindRose, SilverGridLinesCrossTheBars) {
    WindValueTable values{};
    for (auto& direction : values) {
        direction = {50.0, 50.0, 50.0, 50.0};
    }
    Canvas canvas;
    drawWindRose(canvas, kCentre, values, 0);
    const QImage& im = canvas.image();
    const QColor silver(192, 192, 192);
    EXPECT_TRUE(isColour(im, 212, 230 - 69, silver));  // half a unit along north
    EXPECT_TRUE(isColour(im, 212, 230 - 70, kYellow));
    EXPECT_TRUE(isColour(im, 230 + 69, 248, silver));  // and along east, over blue
    EXPECT_TRUE(isColour(im, 230 + 70, 248, kBlue));
    EXPECT_TRUE(isColour(im, 212, 230 - 177, Qt::black));  // the outline over the bar's end
}

TEST(WindLabels, SeasonLegendBoxes) {
    Canvas canvas;
    drawWindLabels(canvas, kCentre, 0);
    const QImage& im = canvas.image();
    for (std::size_t s = 0; s < 4; ++s) {
        const int top = 388 + 18 * static_cast<int>(s);
        EXPECT_TRUE(isColour(im, 20, top + 6, kSeasonColours[s])) << s;
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
    drawWindLabels(speeds, kCentre, 0);
    drawWindLabels(frequencies, kCentre, 1);
    const auto same = [&](const QRect& r) {
        return speeds.image().copy(r) == frequencies.image().copy(r);
    };
    EXPECT_FALSE(same(QRect(176, 200, 110, 60)));  // title
    EXPECT_FALSE(same(QRect(166, 105, 20, 12)));   // the north's first scale
    EXPECT_TRUE(same(QRect(223, 16, 20, 20)));     // letter N
    EXPECT_TRUE(same(QRect(0, 380, 120, 80)));     // season legend
    EXPECT_EQ(windModeFromItem(0), WindMode::PredominantSpeeds);
    EXPECT_EQ(windModeFromItem(1), WindMode::Frequencies);
    EXPECT_EQ(windModeFromItem(3), WindMode::Frequencies);
    EXPECT_EQ(windModeTexts(WindMode::PredominantSpeeds).factor, 5.0);
    EXPECT_EQ(windModeTexts(WindMode::Frequencies).factor, 1.0);
}

}  // namespace
