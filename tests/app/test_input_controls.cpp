// The input controls: check-box chains, clamping, Enter, the latitude's
// decimal comma and the angle reference.
#include "ZenitaFixture.h"
#include "support/ImageAsserts.h"

#include <QTest>

using InputControls = ZenitaFixture;

class AnglePairChain : public ZenitaFixture, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(AnglePairChain, EnablesAndFocusesInChainsAndKeepsTheTypedValues) {
    showWindow();
    const auto p = w().anglePairs()[GetParam()];
    EXPECT_FALSE(p.firstEdit->isEnabled());
    EXPECT_FALSE(p.secondCheck->isEnabled());

    p.firstCheck->setChecked(true);
    EXPECT_TRUE(p.firstEdit->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), p.firstEdit);
    EXPECT_TRUE(p.secondCheck->isEnabled());
    EXPECT_FALSE(p.secondEdit->isEnabled());

    p.secondCheck->setChecked(true);
    EXPECT_TRUE(p.secondEdit->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), p.secondEdit);
    p.firstEdit->setText(QStringLiteral("12"));
    p.secondEdit->setText(QStringLiteral("34"));

    p.firstCheck->setChecked(false);
    EXPECT_FALSE(p.secondCheck->isChecked());
    EXPECT_FALSE(p.secondCheck->isEnabled());
    EXPECT_FALSE(p.firstEdit->isEnabled());
    EXPECT_FALSE(p.secondEdit->isEnabled());
    EXPECT_FALSE(w().chartDrawn);  // no check box redraws

    p.firstCheck->setChecked(true);
    EXPECT_EQ(p.firstEdit->text(), "12");
    EXPECT_EQ(p.secondEdit->text(), "34");
    EXPECT_FALSE(p.secondCheck->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Pairs, AnglePairChain, ::testing::Range<std::size_t>(0, 5));

TEST_F(InputControls, TheProtractorBoxEnablesTheOrientation) {
    showWindow();
    w().TransferidorCheck->setChecked(false);
    EXPECT_FALSE(w().editOrient->isEnabled());
    w().TransferidorCheck->setChecked(true);
    EXPECT_TRUE(w().editOrient->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w().editOrient);
}

TEST_F(InputControls, AnAngleAboveNinetyBecomesNinetyWhenLeftButTheOrientationStays) {
    showWindow();
    w().Alfa1Check->setChecked(true);
    w().editAlfa1->clear();
    QTest::keyClicks(w().editAlfa1, QStringLiteral("95"));
    w().editOrient->setFocus();
    EXPECT_EQ(w().editAlfa1->text(), "90.00");

    w().editOrient->clear();
    QTest::keyClicks(w().editOrient, QStringLiteral("400"));
    w().editLatitude->setText(QStringLiteral("-27.6"));
    QTest::keyClick(w().editOrient, Qt::Key_Return);
    EXPECT_TRUE(w().chartDrawn);
    w().editAlfa1->setFocus();
    EXPECT_EQ(w().editOrient->text(), "400");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InputControls, EnterRedrawsOnlyWithALatitude) {
    w().Beta2aCheck->setChecked(true);
    for (QLineEdit* edit :
         {static_cast<QLineEdit*>(w().editLatitude), static_cast<QLineEdit*>(w().editBeta2a),
          static_cast<QLineEdit*>(w().editOrient)}) {
        w().editLatitude->clear();
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_FALSE(w().chartDrawn);
        EXPECT_EQ(countPainted(w().imagem->canvas().image()), 0);
        w().editLatitude->setText(QStringLiteral("12"));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_TRUE(w().chartDrawn) << edit->objectName().toStdString();
        w().novoClick();
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InputControls, ACommaBecomesAPointAsItIsTyped) {
    QTest::keyClicks(w().editLatitude, QStringLiteral("-23,5"));
    EXPECT_EQ(w().editLatitude->text(), "-23.5");
    w().plotarClick();
    EXPECT_TRUE(w().chartDrawn);
    EXPECT_TRUE(dialogs.messages.empty());
}

// A pasted text with many commas is fixed in one pass, caret after the last point.
TEST_F(InputControls, EveryPastedCommaBecomesAPoint) {
    const QString pasted = QStringLiteral("1,2") + QString(20000, u',') + QStringLiteral("3,4x");
    w().editLatitude->setText(pasted);
    QString expected = pasted;
    expected.replace(u',', u'.');
    EXPECT_EQ(w().editLatitude->text(), expected);
    EXPECT_EQ(w().editLatitude->cursorPosition(), expected.lastIndexOf(u'.') + 1);
    w().editLatitude->setText(QStringLiteral("10"));
    EXPECT_EQ(w().editLatitude->text(), "10");
}

TEST_F(InputControls, ExternaSwapsThePictogramsAndRedraws) {
    w().editLatitude->setText(QStringLiteral("-27.6"));
    w().plotarClick();
    const QImage interna = w().imagem->canvas().image();
    w().rgAngulos->setCurrentIndex(1);
    emit w().rgAngulos->activated(1);
    EXPECT_TRUE(w().IAlfaInterno->isHidden());
    EXPECT_TRUE(w().IBetaInterno->isHidden());
    EXPECT_TRUE(w().IGamaInterno->isHidden());
    EXPECT_FALSE(w().IAlfaExterno->isHidden());
    EXPECT_FALSE(w().IBetaExterno->isHidden());
    EXPECT_FALSE(w().IGamaExterno->isHidden());
    EXPECT_TRUE(w().chartDrawn);
    // The altitude labels changed (80 at y = 377 became 10).
    EXPECT_NE(compareImages(w().imagem->canvas().image().copy(230, 377, 20, 12),
                            interna.copy(230, 377, 20, 12), "externa-labels"),
              "");
    w().rgAngulos->setCurrentIndex(0);
    emit w().rgAngulos->activated(0);
    EXPECT_FALSE(w().IAlfaInterno->isHidden());
    EXPECT_TRUE(w().IGamaExterno->isHidden());
    EXPECT_EQ(compareImages(w().imagem->canvas().image(), interna, "interna-again"), "");
}
