// The input controls: check-box chains, clamping, Enter, the latitude's
// decimal comma and the angle reference.
#include "ZenitaFixture.h"
#include "support/ImageAsserts.h"

#include <QContextMenuEvent>
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
    p.firstEdit->setText("12");
    p.secondEdit->setText("34");

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

// Losing the focus without leaving the box (its context menu opens, the
// window goes to the back) does not clamp: the person is still at "95".
TEST_F(InputControls, AnAngleAboveNinetyBecomesNinetyWhenLeftButTheOrientationStays) {
    showWindow();
    w().Alfa1Check->setChecked(true);
    w().editAlfa1->clear();
    QTest::keyClicks(w().editAlfa1, "95");

    const QPoint inside = w().editAlfa1->rect().center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, inside,
                                w().editAlfa1->mapToGlobal(inside));
    QApplication::sendEvent(w().editAlfa1, &menuEvent);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(w().editAlfa1->text(), "95");
    menu->close();
    QApplication::processEvents();
    EXPECT_EQ(w().editAlfa1->text(), "95");

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    EXPECT_EQ(w().editAlfa1->text(), "95");
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w().editAlfa1);
    EXPECT_EQ(w().editAlfa1->text(), "95");
    EXPECT_FALSE(w().editAlfa1->hasSelectedText());  // back where the person was

    w().editOrient->setFocus();
    EXPECT_EQ(w().editAlfa1->text(), "90.00");

    w().editOrient->clear();
    QTest::keyClicks(w().editOrient, "400");
    w().editLatitude->setText("-27.6");
    QTest::keyClick(w().editOrient, Qt::Key_Return);
    EXPECT_TRUE(w().chartDrawn);
    w().editAlfa1->setFocus();
    EXPECT_EQ(w().editOrient->text(), "400");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InputControls, EnterRedrawsOnlyWithALatitude) {
    w().Beta2aCheck->setChecked(true);
    for (QLineEdit* edit :
         std::initializer_list<QLineEdit*>{w().editLatitude, w().editBeta2a, w().editOrient}) {
        w().editLatitude->clear();
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_FALSE(w().chartDrawn);
        EXPECT_EQ(countPainted(pixels(w().imagem)), 0);
        w().editLatitude->setText("12");
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_TRUE(w().chartDrawn) << edit->objectName().toStdString();
        w().novoClick();
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

// Typed or pasted, every comma becomes a point at once, caret after the last
// one; a pasted text of many commas must not exhaust the stack.
TEST_F(InputControls, EveryCommaBecomesAPoint) {
    const QString pasted = "1,2" + QString(20000, u',') + "3,4x";
    w().editLatitude->setText(pasted);
    const QString expected = QString(pasted).replace(u',', u'.');
    EXPECT_EQ(w().editLatitude->text(), expected);
    EXPECT_EQ(w().editLatitude->cursorPosition(), expected.lastIndexOf(u'.') + 1);

    w().editLatitude->clear();
    QTest::keyClicks(w().editLatitude, "-23,5");
    EXPECT_EQ(w().editLatitude->text(), "-23.5");
    w().plotarClick();
    EXPECT_TRUE(w().chartDrawn);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InputControls, ExternaSwapsThePictogramsAndRedraws) {
    w().editLatitude->setText("-27.6");
    w().plotarClick();
    const QImage interna = pixels(w().imagem);
    w().rgAngulos->setCurrentIndex(1);
    emit w().rgAngulos->activated(1);
    for (auto* internal : {w().IAlfaInterno, w().IBetaInterno, w().IGamaInterno}) {
        EXPECT_TRUE(internal->isHidden());
    }
    for (auto* external : {w().IAlfaExterno, w().IBetaExterno, w().IGamaExterno}) {
        EXPECT_FALSE(external->isHidden());
    }
    EXPECT_TRUE(w().chartDrawn);
    // The altitude labels changed (80 at y = 377 became 10).
    EXPECT_NE(compareImages(pixels(w().imagem).copy(230, 377, 20, 12),
                            interna.copy(230, 377, 20, 12), "externa-labels"),
              "");
    w().rgAngulos->setCurrentIndex(0);
    emit w().rgAngulos->activated(0);
    EXPECT_FALSE(w().IAlfaInterno->isHidden());
    EXPECT_TRUE(w().IGamaExterno->isHidden());
    EXPECT_EQ(compareImages(pixels(w().imagem), interna, "interna-again"), "");
}
