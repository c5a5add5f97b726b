#include "overlay/HalfYear.h"
#include "overlay/PathLabels.h"
#include "overlay/PathMarks.h"

#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

using namespace overlay;

namespace {

const chart::ChartGeometry kChart = chart::ChartGeometry::forImage(460, 460);
constexpr double kLatitude = -27.6;

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
    }
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
