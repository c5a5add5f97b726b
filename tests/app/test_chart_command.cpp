// The chart command of the main window: the latitude check, what it draws,
// the failures that stop it and its final state.
#include "ZenitaFixture.h"
#include "chart/ChartColours.h"
#include "support/ImageAsserts.h"

#include <QTest>

namespace {

void typeInto(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
}

}  // namespace

using ChartCommand = ZenitaFixture;

TEST_F(ChartCommand, AnEmptyLatitudeDrawsNothingAndOnlyFocusesTheEdit) {
    showWindow();
    w().plotar->setFocus();
    QTest::mouseClick(w().plotar, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w().editLatitude);
    EXPECT_FALSE(w().chartDrawn);
    EXPECT_EQ(countPainted(w().imagem->canvas().image()), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

struct LatitudeCase {
    const char* typed;
    const char* shown;  // the text after the command
    bool drawn;
};

class LatitudeCheck : public ZenitaFixture, public ::testing::WithParamInterface<LatitudeCase> {};

TEST_P(LatitudeCheck, BoundsAreInclusiveAndOutOfRangeTextsAreCorrected) {
    const LatitudeCase& c = GetParam();
    w().editLatitude->setText(QString::fromLatin1(c.typed));
    w().plotarClick();
    EXPECT_EQ(w().editLatitude->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(w().chartDrawn, c.drawn);
    EXPECT_EQ(countPainted(w().imagem->canvas().image()) > 0, c.drawn);
    EXPECT_EQ(w().Imprimir1->isEnabled(), c.drawn);
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Latitudes, LatitudeCheck,
    ::testing::Values(LatitudeCase{"65.5", "65", false}, LatitudeCase{"-70", "-65", false},
                      LatitudeCase{"65", "65", true}, LatitudeCase{"-65", "-65", true},
                      LatitudeCase{"-27.6", "-27.6", true}, LatitudeCase{"0", "0", true}));

TEST_F(ChartCommand, ACorrectedLatitudeLeavesThePreviousChart) {
    w().editLatitude->setText(QStringLiteral("10"));
    w().plotarClick();
    const QImage before = w().imagem->canvas().image();
    w().editLatitude->setText(QStringLiteral("99"));
    w().plotarClick();
    EXPECT_EQ(w().editLatitude->text(), "65");
    EXPECT_EQ(compareImages(w().imagem->canvas().image(), before, "corrected-latitude"), "");
    EXPECT_TRUE(w().chartDrawn);
}

class NotANumber : public ZenitaFixture, public ::testing::WithParamInterface<const char*> {};

// The view switches, the error dialog names the text, nothing is drawn.
TEST_P(NotANumber, IsReportedNamingTheTextAndNothingIsDrawn) {
    const QString text = QString::fromLatin1(GetParam());
    w().RosadosVentos1Click();
    w().editLatitude->setText(text);
    w().handle([&] { w().plotarClick(); });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("'") + text + QStringLiteral("'")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(w().CartaZenita1->isChecked());
    EXPECT_TRUE(w().pnlVentos->isHidden());
    EXPECT_FALSE(w().chartDrawn);
    EXPECT_EQ(countPainted(w().imagem->canvas().image()), 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, NotANumber,
                         ::testing::Values("abc", "nan", "inf", "-inf", "12abc", "1e999", " ",
                                           "1.2.3"));

TEST_F(ChartCommand, ACheckedAngleThatIsNotANumberStopsAtItsMaskLeavingTheRest) {
    w().editLatitude->setText(QStringLiteral("-27.6"));
    w().Alfa1Check->setChecked(true);
    w().editAlfa1->setText(QStringLiteral("30"));
    w().Beta1aCheck->setChecked(true);
    w().editBeta1a->setText(QString());
    w().handle([&] { w().plotarClick(); });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("''")));
    EXPECT_GT(countPainted(w().imagem->canvas().image()), 10000);
    EXPECT_GT(countPixels(w().imagem2->canvas().image(), chart::kProtractorRed), 1000);
    EXPECT_GT(countPixels(w().imagem3->canvas().image(), chart::kMaskGray), 500);  // alfa
    EXPECT_FALSE(w().chartDrawn);
    EXPECT_FALSE(w().Imprimir1->isEnabled());
    EXPECT_FALSE(w().Copiar1->isEnabled());

    // An unchecked box is never read, whatever its text.
    dialogs.clear();
    w().Beta1aCheck->setChecked(false);
    w().handle([&] { w().plotarClick(); });
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(w().chartDrawn);

    // An orientation that is not a number stops before the protractor.
    w().editOrient->clear();
    w().handle([&] { w().plotarClick(); });
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_GT(countPainted(w().imagem->canvas().image()), 10000);
    EXPECT_EQ(countPainted(w().imagem2->canvas().image()), 0);
    EXPECT_FALSE(w().chartDrawn);
}

// Enter confirms 180 without leaving the box: the command clamps it as
// leaving the box would (Interna 180 would otherwise be -90 degrees).
TEST_F(ChartCommand, EnterGivesWhatLeavingTheBoxGives) {
    w().editLatitude->setText(QStringLiteral("-27.6"));
    w().Alfa1Check->setChecked(true);
    typeInto(w().editAlfa1, QStringLiteral("180"));
    QTest::keyClick(w().editAlfa1, Qt::Key_Return);
    EXPECT_EQ(w().editAlfa1->text(), "90.00");
    ASSERT_TRUE(w().chartDrawn);
    const QImage entered = w().imagem3->canvas().image();
    EXPECT_GT(countPixels(entered, chart::kMaskGray), 500);
    w().editAlfa1->setText(QStringLiteral("90"));
    w().plotarClick();
    EXPECT_EQ(compareImages(entered, w().imagem3->canvas().image(), "enter-clamp"), "");
}

TEST_F(ChartCommand, EndsWithPrintingEnabledAndTheFreehandModesOff) {
    w().editLatitude->setText(QStringLiteral("-27.6"));
    w().novo->setEnabled(false);
    w().segmentStart = false;
    w().plotarClick();
    EXPECT_TRUE(w().plotar->isEnabled());
    EXPECT_TRUE(w().novo->isEnabled());
    EXPECT_TRUE(w().chartDrawn);
    EXPECT_TRUE(w().Imprimir1->isEnabled());
    EXPECT_TRUE(w().Copiar1->isEnabled());
    EXPECT_FALSE(w().drawMaskMode);
    EXPECT_FALSE(w().fillMaskMode);
    EXPECT_FALSE(w().desMascCheck->isChecked());
    EXPECT_FALSE(w().preMascCheck->isChecked());
    EXPECT_FALSE(w().preMascCheck->isEnabled());
    EXPECT_TRUE(w().segmentStart);
}
