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
    EXPECT_FALSE(w().chartDrawn());  // no check box redraws

    p.firstCheck->setChecked(true);
    EXPECT_EQ(p.firstEdit->text(), "12");
    EXPECT_EQ(p.secondEdit->text(), "34");
    EXPECT_FALSE(p.secondCheck->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Pairs, AnglePairChain, ::testing::Range<std::size_t>(0, 5));

TEST_F(InputControls, TheProtractorBoxEnablesTheOrientation) {
    showWindow();
    w().controls().TransferidorCheck->setChecked(false);
    EXPECT_FALSE(w().controls().editOrient->isEnabled());
    w().controls().TransferidorCheck->setChecked(true);
    EXPECT_TRUE(w().controls().editOrient->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w().controls().editOrient);
}

// Losing the focus without leaving the box (its context menu opens, the
// window goes to the back) does not clamp: the person is still at "95".
TEST_F(InputControls, AnAngleAboveNinetyBecomesNinetyWhenLeftButTheOrientationStays) {
    showWindow();
    w().controls().Alfa1Check->setChecked(true);
    w().controls().editAlfa1->clear();
    QTest::keyClicks(w().controls().editAlfa1, "95");

    const QPoint inside = w().controls().editAlfa1->rect().center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, inside,
                                w().controls().editAlfa1->mapToGlobal(inside));
    QApplication::sendEvent(w().controls().editAlfa1, &menuEvent);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(w().controls().editAlfa1->text(), "95");
    menu->close();
    QApplication::processEvents();
    EXPECT_EQ(w().controls().editAlfa1->text(), "95");

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    EXPECT_EQ(w().controls().editAlfa1->text(), "95");
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), w().controls().editAlfa1);
    EXPECT_EQ(w().controls().editAlfa1->text(), "95");
    EXPECT_FALSE(w().controls().editAlfa1->hasSelectedText());  // back where the person was

    w().controls().editOrient->setFocus();
    EXPECT_EQ(w().controls().editAlfa1->text(), "90.00");

    w().controls().editOrient->clear();
    QTest::keyClicks(w().controls().editOrient, "400");
    w().controls().editLatitude->setText("-27.6");
    QTest::keyClick(w().controls().editOrient, Qt::Key_Return);
    EXPECT_TRUE(w().chartDrawn());
    w().controls().editAlfa1->setFocus();
    EXPECT_EQ(w().controls().editOrient->text(), "400");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InputControls, EnterRedrawsOnlyWithALatitude) {
    w().controls().Beta2aCheck->setChecked(true);
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{
             w().controls().editLatitude, w().controls().editBeta2a, w().controls().editOrient}) {
        w().controls().editLatitude->clear();
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_FALSE(w().chartDrawn());
        EXPECT_EQ(countPainted(pixels(w().controls().imagem)), 0);
        w().controls().editLatitude->setText("12");
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_TRUE(w().chartDrawn()) << edit->objectName().toStdString();
        w().novoClick();
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

// Typed or pasted, every comma becomes a point at once, caret after the last
// one; a pasted text of many commas must not exhaust the stack.
TEST_F(InputControls, EveryCommaBecomesAPoint) {
    const QString pasted = "1,2" + QString(20000, u',') + "3,4x";
    w().controls().editLatitude->setText(pasted);
    const QString expected = QString(pasted).replace(u',', u'.');
    EXPECT_EQ(w().controls().editLatitude->text(), expected);
    EXPECT_EQ(w().controls().editLatitude->cursorPosition(), expected.lastIndexOf(u'.') + 1);

    w().controls().editLatitude->clear();
    QTest::keyClicks(w().controls().editLatitude, "-23,5");
    EXPECT_EQ(w().controls().editLatitude->text(), "-23.5");
    w().plotarClick();
    EXPECT_TRUE(w().chartDrawn());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InputControls, ExternaSwapsThePictogramsAndRedraws) {
    w().controls().editLatitude->setText("-27.6");
    w().plotarClick();
    const QImage interna = pixels(w().controls().imagem);
    w().controls().rgAngulos->setCurrentIndex(1);
    emit w().controls().rgAngulos->activated(1);
    for (auto* internal :
         {w().controls().IAlfaInterno, w().controls().IBetaInterno, w().controls().IGamaInterno}) {
        EXPECT_TRUE(internal->isHidden());
    }
    for (auto* external :
         {w().controls().IAlfaExterno, w().controls().IBetaExterno, w().controls().IGamaExterno}) {
        EXPECT_FALSE(external->isHidden());
    }
    EXPECT_TRUE(w().chartDrawn());
    // The altitude labels changed (80 at y = 377 became 10).
    EXPECT_NE(compareImages(pixels(w().controls().imagem).copy(230, 377, 20, 12),
                            interna.copy(230, 377, 20, 12), "externa-labels"),
              "");
    w().controls().rgAngulos->setCurrentIndex(0);
    emit w().controls().rgAngulos->activated(0);
    EXPECT_FALSE(w().controls().IAlfaInterno->isHidden());
    EXPECT_TRUE(w().controls().IGamaExterno->isHidden());
    EXPECT_EQ(compareImages(pixels(w().controls().imagem), interna, "interna-again"), "");
}
