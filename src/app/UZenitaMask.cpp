// Freehand mask drawing on the mask layer `imagem3`: the "Máscara" page's
// check boxes, the mouse on the chart and "Limpar".
//
// States: idle (both modes off), drawing (drawMaskMode_), filling
// (fillMaskMode_); every chart command ends idle.
#include "app/UZenita.h"

#include "canvas/Truncate.h"
#include "chart/FreehandMask.h"

void TFormZenita::desMascCheckClick() {
    if (desMascCheck->isChecked()) {
        chart::drawMaskReferenceLines(imagem3->canvas(), chartGeometry_, editOrient->value());
        maskPerformance_.guidesDrawn(chartGeometry_, editOrient->value());
        drawMaskMode_ = true;
        preMascCheck->setEnabled(true);
        return;
    }
    drawMaskMode_ = false;
    preMascCheck->setEnabled(false);
    // Unchecking "Preencher" runs its handler, which turns drawing back on;
    // with both boxes unchecked both modes must end off.
    preMascCheck->setChecked(false);
    drawMaskMode_ = false;
    fillMaskMode_ = false;
    if (!editLatitude->text().isEmpty()) {
        plotarClick();
    }
}

void TFormZenita::preMascCheckClick() {
    fillMaskMode_ = preMascCheck->isChecked();
    drawMaskMode_ = !fillMaskMode_;
}

void TFormZenita::imagem3MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers /*shift*/, int x,
                                   int y) {
    Canvas& layer = imagem3->canvas();
    if (drawMaskMode_ && button == Qt::LeftButton) {
        if (segmentStart_) {
            lastPointX_ = x;
            lastPointY_ = y;
            segmentStart_ = false;
        } else {
            chart::drawMaskSegment(layer, {truncPx(lastPointX_), truncPx(lastPointY_)}, {x, y});
            segmentStart_ = true;
        }
    }
    if (fillMaskMode_) {
        chart::fillMask(
            layer, {x, y},
            radioPreTotal->isChecked() ? chart::MaskFill::Total : chart::MaskFill::Partial);
    }
}

void TFormZenita::imagem3MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers /*shift*/, int x,
                                   int y) {
    if (drawMaskMode_ && buttons.testFlag(Qt::LeftButton)) {
        chart::drawMaskDot(imagem3->canvas(), {x, y});
    }
}

void TFormZenita::btnLimparDesenhoClick() {
    plotarClick();
}
