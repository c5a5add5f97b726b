#include "wind/SeasonBars.h"
#include "wind/WindRose.h"

#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace wind;

namespace {

const WindGeometry kCentre = WindGeometry::forImage(460, 460);
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

}  // namespace
