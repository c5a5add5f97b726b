// The annotation block: its entries and how they are written.
#include "ChartTestLayers.h"
#include "chart/AnnotationBlock.h"
#include "support/ImageAsserts.h"

#include <gtest/gtest.h>

namespace {

QStringList texts(const std::vector<chart::AnnotationEntry>& entries) {
    QStringList all;
    for (const auto& e : entries) {
        all << QStringLiteral("%1,%2 %3").arg(e.topLeft.x()).arg(e.topLeft.y()).arg(e.text);
    }
    return all;
}

}  // namespace

TEST(AnnotationBlock, EntriesFollowTheirCheckBoxesWithTheTextsAsTyped) {
    chart::ChartInputs inputs = chartAt(-27.5);
    inputs.latitudeText = QStringLiteral("-27.50");
    inputs.protractor = false;
    inputs.orientation = typed("30");
    EXPECT_EQ(texts(chart::annotationEntries(inputs)), QStringList({"2,2 Latitude : -27.50"}));

    inputs.cityName = QStringLiteral("Florianópolis");
    inputs.protractor = true;
    inputs.alpha = onePair("30");
    inputs.betaRight = twoPair("20", "");
    inputs.betaLeft = {{false, typed("15")},
                       {true, typed("40")}};  // a second box alone does not count
    inputs.gammaRight = onePair("");
    inputs.gammaLeft = twoPair("5", "80.5");
    EXPECT_EQ(texts(chart::annotationEntries(inputs)),
              QStringList({"2,2 Latitude : -27.50", "2,15 Florianópolis", "2,28 Transferidor : 30",
                           "310,2 Alfa : 30", "305,408 Beta d1 : 20", "305,420 Beta d2 : ",
                           "85,408 Gama d : ", "85,432 Gama e1 : 5", "85,444 Gama e2 : 80.5"}));

    inputs.alpha = twoPair("20", "50");
    inputs.betaLeft = onePair("15");
    const QStringList withPairs = texts(chart::annotationEntries(inputs));
    EXPECT_TRUE(withPairs.contains("310,2 Alfa 1 : 20"));
    EXPECT_TRUE(withPairs.contains("310,14 Alfa 2 : 50"));
    EXPECT_TRUE(withPairs.contains("305,432 Beta e : 15"));
}

TEST(AnnotationBlock, IsWrittenWithoutABackgroundBox) {
    Canvas c(460, 460);
    c.setBrushColor(Qt::red);
    c.rectangle(0, 0, 460, 460);
    c.setBrushStyle(BrushStyle::Clear);
    chart::ChartInputs inputs = chartAt(10);
    inputs.latitudeText = QStringLiteral("10");
    chart::drawAnnotationBlock(c, inputs);
    const QRect box(2, 2, 60, 12);
    EXPECT_GT(countPixels(c.image(), Qt::black, box), 20);
    EXPECT_EQ(countPixels(c.image(), Qt::white, box), 0);
}
