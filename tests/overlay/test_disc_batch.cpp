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
    std::uniform_int_distribution<int> position(-4, 62);
    std::uniform_int_distribution<int> size(0, 6);
    std::uniform_int_distribution<std::size_t> colour(0, colours.size() - 1);
    std::uniform_int_distribution<int> width(1, 2);

    Canvas expected(60, 60);
    Canvas actual(60, 60);
    expected.setPenColor(Qt::red);
    expected.setBrushColor(Qt::green);
    expected.textOut(5, 5, QStringLiteral("base"));
    actual.setPenColor(Qt::red);
    actual.setBrushColor(Qt::green);
    actual.textOut(5, 5, QStringLiteral("base"));
    {
        DiscBatch batch(actual);
        for (int i = 0; i < 600; ++i) {
            const int x = position(random);
            const int y = position(random);
            const DiscBox box{x, y, x + size(random), y + size(random)};
            const QRgb c = colours[colour(random)];
            const int w = width(random);
            expected.setPenColor(QColor::fromRgb(c));
            expected.setPenWidth(w);
            expected.setBrushColor(QColor::fromRgb(c));
            expected.ellipse(box.left, box.top, box.right, box.bottom);
            batch.add(box, c, w);
            if (i == 300) {
                batch.flush();
                expected.setBrushColor(Qt::white);
                actual.setBrushColor(Qt::white);
                expected.textOut(20, 20, QStringLiteral("12"));
                actual.textOut(20, 20, QStringLiteral("12"));
            }
        }
    }
    EXPECT_EQ(compareImages(actual.image(), expected.image(), QStringLiteral("disc_batch")), "");
}

}  // namespace
