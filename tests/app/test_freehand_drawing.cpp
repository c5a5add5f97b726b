// The "Máscara" page: reference lines, segments, dots, fills and "Limpar".
#include "ZenitaFixture.h"
#include "chart/ChartColours.h"
#include "support/ImageAsserts.h"

#include <QMouseEvent>
#include <QTest>

using chart::kMaskGray;

class FreehandDrawing : public ZenitaFixture {
protected:
    const QImage& mask() { return pixels(w().controls().imagem3); }
    void click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(w().controls().imagem3, button, Qt::NoModifier, p);
    }
    void dragTo(QPoint p) {
        QMouseEvent move(QEvent::MouseMove, QPointF(p),
                         w().controls().imagem3->mapToGlobal(QPointF(p)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w().controls().imagem3, &move);
    }
    // Chart drawn, then "Desenhar reta" checked (its reference lines drawn).
    void startDrawing(const char* orientation = "0") {
        w().controls().editLatitude->setText("-27.6");
        w().controls().TransferidorCheck->setChecked(false);
        w().controls().editOrient->setText(orientation);
        w().plotarClick();
        w().controls().desMascCheck->setChecked(true);
    }
};

TEST_F(FreehandDrawing, ReferenceLinesFollowTheOrientation) {
    startDrawing("0");
    EXPECT_TRUE(w().drawMaskMode());
    EXPECT_TRUE(w().controls().preMascCheck->isEnabled());
    EXPECT_TRUE(isColour(mask(), 100, 230, kMaskGray));  // façade east-west
    EXPECT_TRUE(isColour(mask(), 230, 100, kMaskGray));  // normal up
    EXPECT_TRUE(isColour(mask(), 230, 350, Qt::white));

    w().controls().desMascCheck->setChecked(false);
    w().controls().editOrient->setText("90");
    w().controls().desMascCheck->setChecked(true);
    EXPECT_TRUE(isColour(mask(), 230, 100, kMaskGray));  // façade north-south
    EXPECT_TRUE(isColour(mask(), 350, 230, kMaskGray));  // normal to the right
    EXPECT_TRUE(isColour(mask(), 100, 230, Qt::white));
}

TEST_F(FreehandDrawing, TwoLeftClicksDrawOneSegmentAndAThirdOnlyStarts) {
    startDrawing();
    const int before = countPixels(mask(), kMaskGray);
    click({100, 300});
    EXPECT_EQ(countPixels(mask(), kMaskGray), before);
    click({200, 300});
    EXPECT_EQ(paintedBoundingBox(mask(), QRect(120, 280, 60, 40)), QRect(120, 299, 60, 3));
    const int segment = countPixels(mask(), kMaskGray);
    click({150, 380});
    EXPECT_EQ(countPixels(mask(), kMaskGray), segment);
    EXPECT_FALSE(w().segmentStart());
    click({150, 380}, Qt::RightButton);  // a right click draws nothing
    EXPECT_EQ(countPixels(mask(), kMaskGray), segment);
    EXPECT_FALSE(w().segmentStart());
}

TEST_F(FreehandDrawing, DraggingWithTheLeftButtonLeavesDots) {
    startDrawing();
    const int before = countPixels(mask(), kMaskGray);
    dragTo({300, 350});
    EXPECT_GT(countPixels(mask(), kMaskGray), before);
    w().controls().desMascCheck->setChecked(
        false);  // idle: the chart is redrawn, nothing more drawn
    const int idle = countPixels(mask(), kMaskGray);
    dragTo({320, 350});
    EXPECT_EQ(countPixels(mask(), kMaskGray), idle);
}

TEST_F(FreehandDrawing, AYellowFillStaysInsideTheGrayAndRedReplacesIt) {
    startDrawing();
    // Close a triangle below the façade line with three segments.
    const QPoint corners[] = {{150, 260}, {300, 260}, {225, 360}, {150, 260}};
    for (int i = 0; i < 3; ++i) {
        click(corners[i]);
        click(corners[i + 1]);
    }
    w().controls().radioPreParcial->setChecked(true);
    w().controls().preMascCheck->setChecked(true);
    EXPECT_TRUE(w().fillMaskMode());
    EXPECT_FALSE(w().drawMaskMode());
    click({225, 290}, Qt::RightButton);  // any button fills
    const int yellow = countPixels(mask(), chart::kPartialShadingYellow);
    EXPECT_GT(yellow, 3000);
    EXPECT_EQ(countPixels(mask(), chart::kPartialShadingYellow, QRect(0, 0, 460, 258)), 0);
    EXPECT_EQ(countPixels(mask(), chart::kPartialShadingYellow, QRect(0, 363, 460, 97)), 0);
    w().controls().radioPreTotal->setChecked(true);
    click({225, 290});
    EXPECT_EQ(countPixels(mask(), chart::kPartialShadingYellow), 0);
    EXPECT_EQ(countPixels(mask(), chart::kTotalShadingRed), yellow);
}

TEST_F(FreehandDrawing, LimparErasesWithALatitudeAndNotWithout) {
    startDrawing();
    click({100, 300});
    click({200, 300});
    const QImage drawn = mask();
    w().controls().editLatitude->clear();
    w().controls().btnLimparDesenho->click();
    EXPECT_EQ(compareImages(mask(), drawn, "limpar-without-latitude"), "");
    w().controls().editLatitude->setText("-27.6");
    w().controls().btnLimparDesenho->click();
    EXPECT_EQ(countPainted(mask()), 0);
    EXPECT_FALSE(w().controls().desMascCheck->isChecked());
    EXPECT_FALSE(w().drawMaskMode());
}

// Unchecking "Desenhar reta" while filling, with no latitude, must not leave
// drawing on: with both boxes unchecked a click draws nothing.
TEST_F(FreehandDrawing, UncheckingWhileFillingWithoutALatitudeEndsBothModes) {
    startDrawing();
    w().controls().preMascCheck->setChecked(true);
    w().controls().editLatitude->clear();
    w().controls().desMascCheck->setChecked(false);
    EXPECT_FALSE(w().drawMaskMode());
    EXPECT_FALSE(w().fillMaskMode());
    EXPECT_FALSE(w().controls().preMascCheck->isChecked());
    EXPECT_FALSE(w().controls().preMascCheck->isEnabled());
    const QImage before = mask();
    click({100, 300});
    click({200, 300});
    EXPECT_EQ(compareImages(mask(), before, "idle-clicks"), "");
}

// The chart command unchecks "Desenhar reta", whose handler runs the chart
// command once more; that one finds the box unchecked and the chain ends.
// Its final state: every button, printing and copying on, both modes off.
TEST_F(FreehandDrawing, TheChartCommandEndsTheDrawingAndTerminates) {
    startDrawing();
    click({100, 300});
    w().controls().preMascCheck->setChecked(true);
    w().controls().novo->setEnabled(false);
    w().plotarClick();
    EXPECT_FALSE(w().controls().desMascCheck->isChecked());
    EXPECT_FALSE(w().controls().preMascCheck->isChecked());
    EXPECT_FALSE(w().controls().preMascCheck->isEnabled());
    EXPECT_FALSE(w().drawMaskMode());
    EXPECT_FALSE(w().fillMaskMode());
    EXPECT_TRUE(w().segmentStart());
    EXPECT_EQ(countPainted(mask()), 0);
    EXPECT_EQ(QList<bool>({w().chartDrawn(), w().controls().plotar->isEnabled(),
                           w().controls().novo->isEnabled(), w().controls().Imprimir1->isEnabled(),
                           w().controls().Copiar1->isEnabled()}),
              QList<bool>(5, true));
}
