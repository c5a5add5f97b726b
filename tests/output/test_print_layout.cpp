#include "output/PrintLayout.h"
#include "output/Printer.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>

using output::DotRect;

namespace {
constexpr double kDotsPerCmAt240 = 240.0;

DotRect chartRectFor(const std::string& radiusText, double dotsPerCm) {
    const double scale = output::printScale(output::printRadiusCm(radiusText), dotsPerCm);
    return output::pictureRect({460, 460}, scale);
}

// A 460 x 460 picture with only the horizon circle (radius 192) in black.
QImage horizonPicture() {
    QImage picture(460, 460, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setPen(Qt::black);
    p.drawEllipse(QRect(38, 38, 383, 383));
    return picture;
}
}  // namespace

TEST(PrintLayout, ChartRectangleFollowsTheRadiusText) {
    EXPECT_EQ(chartRectFor("6", kDotsPerCmAt240), (DotRect{10, 10, 3460, 3460}));
    EXPECT_EQ(chartRectFor("3", kDotsPerCmAt240), (DotRect{10, 10, 1735, 1735}));
    EXPECT_EQ(chartRectFor("0", kDotsPerCmAt240), (DotRect{10, 10, 3460, 3460}));
    EXPECT_EQ(chartRectFor("", kDotsPerCmAt240), (DotRect{10, 10, 3460, 3460}));
    EXPECT_EQ(chartRectFor("2.5", kDotsPerCmAt240), (DotRect{10, 10, 1447, 1447}));
    EXPECT_DOUBLE_EQ(output::printScale(2.5, kDotsPerCmAt240), 3.125);
    EXPECT_THROW((void)output::printRadiusCm("abc"), std::exception);
}

TEST(PrintLayout, PictogramsGoIntoTheCornersScaledByTheInternalSizes) {
    output::Pictograms set{QImage(10, 10, QImage::Format_RGB32), QImage(5, 5, QImage::Format_RGB32),
                           QImage(7, 7, QImage::Format_RGB32)};
    const output::PrintPage page = output::chartPage(horizonPicture(), set, 7.5);
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[0].rect, (DotRect{10, 10, 3460, 3460}));
    EXPECT_EQ(page[1].rect, (DotRect{3460 - 600, 10, 3460, 10 + 562}));      // 80 x 75
    EXPECT_EQ(page[2].rect, (DotRect{3460 - 600, 3460 - 375, 3460, 3460}));  // 80 x 50
    EXPECT_EQ(page[3].rect, (DotRect{10, 3460 - 435, 10 + 607, 3460}));      // 81 x 58
    EXPECT_EQ(output::chartPage(horizonPicture(), std::nullopt, 7.5).size(), 1u);
}

class PrintedRadius : public ::testing::TestWithParam<double> {};

// The horizon circle measures r cm on paper at any resolution.
TEST_P(PrintedRadius, IsTrueOnAnyPrinter) {
    const double dotsPerInch = GetParam();
    const double dotsPerCm = dotsPerInch / 2.54;
    for (double radiusCm : {3.0, 6.0}) {
        const output::PrintPage page = output::chartPage(horizonPicture(), std::nullopt,
                                                         output::printScale(radiusCm, dotsPerCm));
        const DotRect r = page[0].rect;
        QImage paper(r.right + 20, r.bottom + 20, QImage::Format_RGB32);
        paper.fill(Qt::white);
        {
            QPainter painter(&paper);
            output::paintPage(painter, page);
        }
        const QRect ink = paintedBoundingBox(paper);
        const double measuredCm = ink.width() / 2.0 / dotsPerCm;
        EXPECT_NEAR(measuredCm, radiusCm, radiusCm * 0.01) << dotsPerInch << " dpi";
    }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, PrintedRadius, ::testing::Values(300.0, 600.0, 609.6));

TEST(PrintLayout, LargestRadiusFitsThePrintableArea) {
    const double largest = output::largestRadiusCm({4800, 6720}, kDotsPerCmAt240);
    const DotRect fitting = output::pictureRect({460, 460}, output::printScale(largest, 240));
    EXPECT_LE(fitting.right, 4800);
    EXPECT_GT(fitting.right, 4790);
    EXPECT_EQ(output::largestRadiusCm({5, 5}, kDotsPerCmAt240), 0.0);
}
