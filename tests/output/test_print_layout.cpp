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

// An empty or zero radius is the default 6 cm; the sizes themselves are
// measured on the painted page below.
TEST(PrintLayout, ChartRectangleTakesTheDefaultRadiusForNone) {
    EXPECT_EQ(chartRectFor("6", kDotsPerCmAt240), (DotRect{10, 10, 3460, 3460}));
    EXPECT_EQ(chartRectFor("0", kDotsPerCmAt240), chartRectFor("6", kDotsPerCmAt240));
    EXPECT_EQ(chartRectFor("", kDotsPerCmAt240), chartRectFor("6", kDotsPerCmAt240));
    EXPECT_THROW((void)output::printRadiusCm("abc"), std::exception);
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
