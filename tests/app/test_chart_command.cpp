// The chart command of the main window: the latitude check, what it draws,
// the failures that stop it and its final state.
#include "ZenitaFixture.h"
#include "chart/ChartColours.h"
#include "support/ImageAsserts.h"

#include <QTest>

using ChartCommand = ZenitaFixture;

TEST_F(ChartCommand, AnEmptyLatitudeDrawsNothingAndOnlyFocusesTheEdit) {
    showWindow();
    w().controls().plotar->setFocus();
    QTest::mouseClick(w().controls().plotar, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w().controls().editLatitude);
    EXPECT_FALSE(w().chartDrawn());
    EXPECT_EQ(countPainted(pixels(w().controls().imagem)), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

struct LatitudeCase {
    const char* typed;
    const char* shown;  // the text after the command
    bool drawn;
};
void PrintTo(const LatitudeCase& c, std::ostream* out) {
    *out << '"' << c.typed << '"';
}

class LatitudeCheck : public ZenitaFixture, public ::testing::WithParamInterface<LatitudeCase> {};

// After a chart at 10: the bounds are drawn; a text out of range is corrected,
// and the chart before it stays as it was.
TEST_P(LatitudeCheck, BoundsAreInclusiveAndOutOfRangeTextsAreCorrected) {
    const LatitudeCase& c = GetParam();
    w().controls().editLatitude->setText("10");
    w().plotarClick();
    const QImage before = pixels(w().controls().imagem);
    w().controls().editLatitude->setText(c.typed);
    w().plotarClick();
    EXPECT_EQ(w().controls().editLatitude->text(), c.shown);
    EXPECT_EQ(pixels(w().controls().imagem) == before, !c.drawn);
    EXPECT_TRUE(w().chartDrawn());
    EXPECT_TRUE(w().controls().Imprimir1->isEnabled());
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Latitudes, LatitudeCheck,
    ::testing::Values(LatitudeCase{"65.5", "65", false}, LatitudeCase{"-70", "-65", false},
                      LatitudeCase{"65", "65", true}, LatitudeCase{"-65", "-65", true},
                      LatitudeCase{"-27.6", "-27.6", true}, LatitudeCase{"0", "0", true}),
    [](const auto& param) {
        std::string name;
        for (const char* c = param.param.typed; *c; ++c) {
            name += *c == '-'   ? std::string("minus")
                    : *c == '.' ? std::string("_")
                                : std::string(1, *c);
        }
        return name;
    });

class NotANumber : public ZenitaFixture, public ::testing::WithParamInterface<const char*> {};

// The view switches, the error dialog names the text, nothing is drawn.
TEST_P(NotANumber, IsReportedNamingTheTextAndNothingIsDrawn) {
    const QString text = QString::fromLatin1(GetParam());
    w().RosadosVentos1Click();
    w().controls().editLatitude->setText(text);
    plot();
    const QString message = onlyMessage(MessageKind::Error);
    EXPECT_TRUE(message.contains("'" + text + "'")) << message.toStdString();
    EXPECT_TRUE(w().controls().CartaZenita1->isChecked());
    EXPECT_TRUE(w().controls().pnlVentos->isHidden());
    EXPECT_FALSE(w().chartDrawn());
    EXPECT_EQ(countPainted(pixels(w().controls().imagem)), 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, NotANumber,
                         ::testing::Values("abc", "nan", "inf", "-inf", "12abc", "1e999", " ",
                                           "1.2.3"));

TEST_F(ChartCommand, ACheckedAngleThatIsNotANumberStopsAtItsMaskLeavingTheRest) {
    w().controls().editLatitude->setText("-27.6");
    setAngles(0, "30");
    setAngles(1, "");
    plot();
    EXPECT_TRUE(onlyMessage(MessageKind::Error).contains("''"));
    EXPECT_GT(countPainted(pixels(w().controls().imagem)), 10000);
    EXPECT_GT(countPixels(pixels(w().controls().imagem2), chart::kProtractorRed), 1000);
    EXPECT_GT(countPixels(pixels(w().controls().imagem3), chart::kMaskGray), 500);  // alfa
    EXPECT_FALSE(w().chartDrawn());
    EXPECT_FALSE(w().controls().Imprimir1->isEnabled());
    EXPECT_FALSE(w().controls().Copiar1->isEnabled());

    // An unchecked box is never read, whatever its text.
    dialogs.clear();
    w().controls().Beta1aCheck->setChecked(false);
    plot();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(w().chartDrawn());

    // An orientation that is not a number stops before the protractor.
    w().controls().editOrient->clear();
    plot();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_GT(countPainted(pixels(w().controls().imagem)), 10000);
    EXPECT_EQ(countPainted(pixels(w().controls().imagem2)), 0);
    EXPECT_FALSE(w().chartDrawn());
}

// Enter confirms 180 without leaving the box: the command clamps it as
// leaving the box would (Interna 180 would otherwise be -90 degrees).
TEST_F(ChartCommand, EnterGivesWhatLeavingTheBoxGives) {
    w().controls().editLatitude->setText("-27.6");
    w().controls().Alfa1Check->setChecked(true);
    w().controls().editAlfa1->clear();
    QTest::keyClicks(w().controls().editAlfa1, "180");
    QTest::keyClick(w().controls().editAlfa1, Qt::Key_Return);
    EXPECT_EQ(w().controls().editAlfa1->text(), "90.00");
    ASSERT_TRUE(w().chartDrawn());
    const QImage entered = pixels(w().controls().imagem3);
    EXPECT_GT(countPixels(entered, chart::kMaskGray), 500);
    w().controls().editAlfa1->setText("90");
    w().plotarClick();
    EXPECT_EQ(compareImages(entered, pixels(w().controls().imagem3), "enter-clamp"), "");
}
