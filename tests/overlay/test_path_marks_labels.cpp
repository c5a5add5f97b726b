#include "overlay/HalfYear.h"
#include "overlay/PathLabels.h"
#include "overlay/PathMarks.h"
#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"

#include "canvas/Truncate.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

using namespace overlay;

namespace {

const chart::ChartGeometry kChart = chart::ChartGeometry::forImage(460, 460);
constexpr double kLatitude = -27.6;

SunPosition at(int day, int step) {
    return SunDay(kLatitude, day).at(stepClockTimes()[static_cast<std::size_t>(step)], kChart);
}

SunPosition sunrise(int day) {
    for (int k = 0; k < kStepsPerDay; ++k) {
        if (const SunPosition p = at(day, k); p.aboveHorizon) {
            return p;
        }
    }
    ADD_FAILURE() << "no sunrise on day " << day;
    return {};
}

// The region a text covers when written alone at (x, y), compared with the
// same region of the drawing.
std::string textMatches(const QImage& drawing, double x, double y, const QString& text, bool bold,
                        QColor colour) {
    Canvas expected;
    expected.setBrushColor(Qt::white);
    expected.setFontSize(8);
    expected.setFontBold(bold);
    expected.setFontColor(colour);
    const int px = truncPx(x);
    const int py = truncPx(y);
    expected.textOut(px, py, text);
    const QRect box(QPoint(px, py), expected.textExtent(text));
    return compareImages(drawing.copy(box), expected.image().copy(box),
                         QStringLiteral("label_") + text);
}

struct RelabelCase {
    const char* name;
    bool ckPontos;
    int periodItem;
    std::array<const char*, 6> east;  // L0..L5
    std::array<const char*, 6> west;  // L10..L5
};

class DateLabels : public ::testing::TestWithParam<RelabelCase> {};

TEST_P(DateLabels, NameTheHalfYearShownAtBothEnds) {
    const RelabelCase& c = GetParam();
    const auto labels = pathDateLabels(c.ckPontos, c.periodItem);
    for (std::size_t j = 0; j < 6; ++j) {
        EXPECT_EQ(labels[j], QString::fromUtf8(c.east[j]));
        EXPECT_EQ(labels[10 - j], QString::fromUtf8(c.west[j]));
    }
    EXPECT_EQ(labels[11], QStringLiteral("22 Dez"));

    Canvas canvas;
    DrawPathLabels(canvas, kChart, {kLatitude, c.ckPontos, true, c.periodItem});
    const SunPosition first = sunrise(21);
    const double x = first.offsetX;
    const double y = first.offsetY;
    EXPECT_EQ(textMatches(canvas.image(), 230 - x + 7, 230 - y - 7, labels[0], false, Qt::black),
              "");
    EXPECT_EQ(textMatches(canvas.image(), 230 + x - 40, 230 - y - 7, labels[10], false, Qt::black),
              "");
    EXPECT_EQ(textMatches(canvas.image(), 230 - x + 5, 230 - y + 7, labels[11], false, Qt::black),
              "");
    EXPECT_EQ(textMatches(canvas.image(), 230 + x - 37, 230 - y + 7, labels[11], false, Qt::black),
              "");
    // The equinox labels stand 20 pixels up.
    const SunPosition equinox = sunrise(81);
    EXPECT_EQ(textMatches(canvas.image(), 230 - equinox.offsetX + 5, 230 - equinox.offsetY - 20,
                          labels[2], false, Qt::black),
              "");
    EXPECT_EQ(textMatches(canvas.image(), 230 + equinox.offsetX - 37, 230 - equinox.offsetY - 20,
                          labels[8], false, Qt::black),
              "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateLabels,
    ::testing::Values(RelabelCase{"WithoutOverlay",
                                  false,
                                  1,
                                  {"21 Jan", "23 Fev", "21 Mar", "16 Abr", "21 Mai", "22 Jun"},
                                  {"22 Nov", "20 Out", "23 Set", "28 Ago", "24 Jul", "22 Jun"}},
                      RelabelCase{"OverlayFirstHalf",
                                  true,
                                  0,
                                  {"21 Jan", "23 Fev", "21 Mar", "16 Abr", "21 Mai", "22 Jun"},
                                  {"21 Jan", "23 Fev", "21 Mar", "16 Abr", "21 Mai", "22 Jun"}},
                      RelabelCase{"OverlaySecondHalf",
                                  true,
                                  1,
                                  {"22 Nov", "20 Out", "23 Set", "28 Ago", "24 Jul", "22 Jun"},
                                  {"22 Nov", "20 Out", "23 Set", "28 Ago", "24 Jul", "22 Jun"}}),
    [](const auto& p) { return std::string(p.param.name); });

struct HourCase {
    int step;
    double shift;  // pixels left of the sun point
};

class HourNumbers : public ::testing::TestWithParam<HourCase> {};

TEST_P(HourNumbers, BlueAlongTwentyFirstOfJanuary) {
    const HourCase& c = GetParam();
    Canvas canvas;
    DrawPathLabels(canvas, kChart, {kLatitude, false, true, 0});
    const SunPosition p = at(21, c.step);
    ASSERT_TRUE(p.aboveHorizon);
    const QString hour = QString::number(c.step / 10);
    EXPECT_EQ(textMatches(canvas.image(), 230 - p.offsetX - c.shift, 230 - p.offsetY + 10, hour,
                          true, QColor(0, 0, 255)),
              "");
}

TEST_P(HourNumbers, BlackAlongTheHourLabelDateOfThePathMarks) {
    const HourCase& c = GetParam();
    Canvas canvas;
    DrawPathMarks(canvas, kChart, {kLatitude, 0, true});
    const SunPosition p = at(hourLabelDate(0), c.step);
    EXPECT_EQ(textMatches(canvas.image(), p.x - c.shift, p.y + 10, QString::number(c.step / 10),
                          true, Qt::black),
              "");
}

INSTANTIATE_TEST_SUITE_P(Offsets, HourNumbers,
                         ::testing::Values(HourCase{90, 10.0}, HourCase{120, 5.0},
                                           HourCase{150, 0.0}));

TEST(PathMarks, TrailsOnThePathDatesAndDiscsAtWholeHours) {
    Canvas canvas;
    DrawPathMarks(canvas, kChart, {kLatitude, 0, true});
    auto pixelAt = [&](int day, int step) {
        const SunPosition p = at(day, step);
        return rgbAt(canvas.image(), truncPx(p.x), truncPx(p.y));
    };
    EXPECT_EQ(pixelAt(107, 95), 0x000000u);  // a path date, between hours
    EXPECT_EQ(pixelAt(100, 90), 0x000000u);  // any day, at a whole hour
    EXPECT_EQ(pixelAt(100, 95), 0xFFFFFFu);  // any day, between hours
    EXPECT_EQ(pixelAt(160, 123), 0xFFFFFFu);
    EXPECT_EQ(canvas.penColor(), QColor(Qt::white));
    EXPECT_EQ(canvas.brushColor(), QColor(Qt::white));
}

class WithoutTrajectory : public ::testing::TestWithParam<int> {};

TEST_P(WithoutTrajectory, NothingIsDrawn) {
    Canvas canvas;
    DrawPathMarks(canvas, kChart, {kLatitude, GetParam(), false});
    DrawPathLabels(canvas, kChart, {kLatitude, true, false, GetParam()});
    DrawPathLabels(canvas, kChart, {kLatitude, false, false, GetParam()});
    EXPECT_EQ(countPainted(canvas.image()), 0);
    EXPECT_EQ(canvas.brushColor(), QColor(Qt::white));
}

INSTANTIATE_TEST_SUITE_P(HalfYears, WithoutTrajectory, ::testing::Values(0, 1));

}  // namespace
