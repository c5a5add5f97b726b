#include "overlay/DiscBatch.h"

#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

#include <random>

using overlay::DiscBatch;
using overlay::DiscBox;

namespace {

TEST(DiscBatch, PaintsExactlyWhatEllipseCallsInTheSameOrderPaint) {
    // Overlapping discs of several kinds, some cut by the image's edges,
    // with direct drawing between two flushes.
    const std::array<QRgb, 5> colours{0x000080, 0xCF0000, 0x000000, 0xFFFFFF, 0xFFCC00};
    std::mt19937 random(7);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Canvas expected(60, 60);
    Canvas actual(60, 60);
    const auto onBoth = [&](const QColor& brush, const QString& text, int at) {
        for (Canvas* canvas : {&expected, &actual}) {
            canvas->setPenColor(Qt::red);
            canvas->setBrushColor(brush);
            canvas->textOut(at, at, text);
        }
    };
    onBoth(Qt::green, QStringLiteral("base"), 5);
    {
        DiscBatch batch(actual);
        for (int i = 0; i < 600; ++i) {
            const int x = pick(-4, 62);
            const int y = pick(-4, 62);
            const DiscBox box{x, y, x + pick(0, 6), y + pick(0, 6)};
            const QRgb c = colours[static_cast<std::size_t>(pick(0, 4))];
            const int w = pick(1, 2);
            expected.setPenColor(QColor::fromRgb(c));
            expected.setPenWidth(w);
            expected.setBrushColor(QColor::fromRgb(c));
            expected.ellipse(box.left, box.top, box.right, box.bottom);
            batch.add(box, c, w);
            if (i == 300) {
                batch.flush();
                onBoth(Qt::white, QStringLiteral("12"), 20);
            }
        }
    }
    EXPECT_EQ(compareImages(actual.image(), expected.image(), QStringLiteral("disc_batch")), "");
}

}  // namespace
