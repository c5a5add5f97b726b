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
std::string textMatches(const QImage& drawing, double x, double y, const QString& text,
                        bool bold = false, QColor colour = Qt::black) {
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

TEST(PathLabels, DateLabelsNameTheHalfYearShownAtBothEnds) {
    const char* const firstHalf[] = {"21 Jan", "23 Fev", "21 Mar", "16 Abr", "21 Mai", "22 Jun"};
    const char* const secondHalf[] = {"22 Nov", "20 Out", "23 Set", "28 Ago", "24 Jul", "22 Jun"};
    const struct {
        const char* name;
        bool ckPontos;
        int periodItem;
        const char* const* east;  // L0..L5
        const char* const* west;  // L10..L5
    } cases[] = {
        {"without overlay", false, 1, firstHalf, secondHalf},
        {"overlay, first half", true, 0, firstHalf, firstHalf},
        {"overlay, second half", true, 1, secondHalf, secondHalf},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto labels = pathDateLabels(c.ckPontos, c.periodItem);
        for (std::size_t j = 0; j < 6; ++j) {
            EXPECT_EQ(labels[j], QString::fromUtf8(c.east[j]));
            EXPECT_EQ(labels[10 - j], QString::fromUtf8(c.west[j]));
        }
        EXPECT_EQ(labels[11], QStringLiteral("22 Dez"));

        Canvas canvas;
        drawPathLabels(canvas, kChart, {kLatitude, c.ckPontos, true, c.periodItem});
        const QImage& im = canvas.image();
        const SunPosition first = sunrise(21);
        // The west end mirrors the sunrise across the north-south line.
        const double x = first.x;
        const double y = first.y;
        const double west = 460 - x;
        EXPECT_EQ(textMatches(im, x + 7, y - 7, labels[0]), "");
        EXPECT_EQ(textMatches(im, west - 40, y - 7, labels[10]), "");
        EXPECT_EQ(textMatches(im, x + 5, y + 7, labels[11]), "");
        EXPECT_EQ(textMatches(im, west - 37, y + 7, labels[11]), "");
        // The equinox labels stand 20 pixels up.
        const SunPosition equinox = sunrise(81);
        EXPECT_EQ(textMatches(im, equinox.x + 5, equinox.y - 20, labels[2]), "");
        EXPECT_EQ(textMatches(im, 460 - equinox.x - 37, equinox.y - 20, labels[8]), "");
    }
}

// The hour numbers: blue along 21 January on the labels, black along the
// hour-label date on the path marks, shifted left by their width.
TEST(PathLabels, HourNumbersStandUnderTheSunAtTheirOffsets) {
    Canvas labels;
    drawPathLabels(labels, kChart, {kLatitude, false, true, 0});
    Canvas marks;
    drawPathMarks(marks, kChart, {kLatitude, 0, true});
    for (const auto& [step, shift] :
         {std::pair{90, 10.0}, std::pair{120, 5.0}, std::pair{150, 0.0}}) {
        SCOPED_TRACE(step);
        const QString hour = QString::number(step / 10);
        const SunPosition p = at(21, step);
        ASSERT_TRUE(p.aboveHorizon);
        EXPECT_EQ(textMatches(labels.image(), p.x - shift, p.y + 10, hour, true, QColor(0, 0, 255)),
                  "");
        const SunPosition q = at(hourLabelDate(0), step);
        EXPECT_EQ(textMatches(marks.image(), q.x - shift, q.y + 10, hour, true), "");
    }
}

TEST(PathMarks, TrailsOnThePathDatesAndDiscsAtWholeHours) {
    Canvas canvas;
    drawPathMarks(canvas, kChart, {kLatitude, 0, true});
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

TEST(PathMarks, WithoutTheTrajectoryNothingIsDrawnInEitherHalf) {
    for (int periodItem : {0, 1}) {
        Canvas canvas;
        drawPathMarks(canvas, kChart, {kLatitude, periodItem, false});
        drawPathLabels(canvas, kChart, {kLatitude, true, false, periodItem});
        drawPathLabels(canvas, kChart, {kLatitude, false, false, periodItem});
        EXPECT_EQ(countPainted(canvas.image()), 0) << periodItem;
        EXPECT_EQ(canvas.brushColor(), QColor(Qt::white));
    }
}

}  // namespace
