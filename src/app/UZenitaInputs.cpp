// The input controls of the main window: the check-box chains of the angle
// pairs and the protractor, the clamp of the angle boxes, Enter in the boxes,
// the decimal-comma fix-up of the latitude and the angle reference.
#include "app/UZenita.h"

#include "math/numbers.h"

std::array<TFormZenita::AnglePairControls, 5> TFormZenita::anglePairs() const {
    return {{{Alfa1Check, editAlfa1, Alfa2Check, editAlfa2},
             {Beta1aCheck, editBeta1a, Beta1bCheck, editBeta1b},
             {Beta2aCheck, editBeta2a, Beta2bCheck, editBeta2b},
             {GamaD1Check, editGamaD1, GamaD2Check, editGamaD2},
             {GamaE1Check, editGamaE1, GamaE2Check, editGamaE2}}};
}

// A first box enables its edit and the second box; unchecking it unchecks the
// second box (running its handler) and disables all three.
void TFormZenita::firstAngleCheckClick(std::size_t pair) {
    const AnglePairControls p = anglePairs().at(pair);
    if (p.firstCheck->isChecked()) {
        p.firstEdit->setEnabled(true);
        p.firstEdit->setFocus();
        p.secondCheck->setEnabled(true);
    } else {
        p.firstEdit->setEnabled(false);
        p.secondCheck->setChecked(false);
        p.secondCheck->setEnabled(false);
        p.secondEdit->setEnabled(false);
    }
}

void TFormZenita::secondAngleCheckClick(std::size_t pair) {
    const AnglePairControls p = anglePairs().at(pair);
    p.secondEdit->setEnabled(p.secondCheck->isChecked());
    if (p.secondCheck->isChecked()) {
        p.secondEdit->setFocus();
    }
}

void TFormZenita::TransferidorCheckClick() {
    editOrient->setEnabled(TransferidorCheck->isChecked());
    if (TransferidorCheck->isChecked()) {
        editOrient->setFocus();
    }
}

// A text that is not a number is left alone: the drawing that reads it
// reports it.
void TFormZenita::angleEditInvalidEntry(TFnpNumericEdit* edit) {
    const std::optional<double> value = math::parseNumber(edit->text().toStdString());
    if (!value) {
        return;
    }
    if (*value > edit->maxValue()) {
        edit->setValue(edit->maxValue());
    } else if (*value < edit->minValue()) {
        edit->setValue(edit->minValue());
    }
}

void TFormZenita::editLatitudeKeyPress(QChar key) {
    if (key == QChar(u'\r') && !editLatitude->text().isEmpty()) {
        plotarClick();
    }
}

void TFormZenita::numericEditKeyPress(QChar key) {
    if (key == QChar(0) && !editLatitude->text().isEmpty()) {
        plotarClick();
    }
}

// Every comma becomes a point in one edit, as if the stretch from the first
// to the last comma had been typed over, so a pasted text with any number of
// commas costs one pass; the change that edit notifies is ignored. The caret
// ends after the last point.
void TFormZenita::editLatitudeChange() {
    if (fixingLatitudeCommas_) {
        return;
    }
    const QString text = editLatitude->text();
    const qsizetype first = text.indexOf(u',');
    if (first < 0) {
        return;
    }
    const qsizetype last = text.lastIndexOf(u',');
    QString stretch = text.mid(first, last - first + 1);
    stretch.replace(u',', u'.');
    fixingLatitudeCommas_ = true;
    editLatitude->setSelection(static_cast<int>(first), static_cast<int>(stretch.size()));
    editLatitude->insert(stretch);
    fixingLatitudeCommas_ = false;
}

void TFormZenita::rgAngulosClick() {
    const int item = rgAngulos->currentIndex();
    if (item == 0 || item == 1) {
        const bool interna = item == 0;
        IAlfaInterno->setVisible(interna);
        IBetaInterno->setVisible(interna);
        IGamaInterno->setVisible(interna);
        IAlfaExterno->setVisible(!interna);
        IBetaExterno->setVisible(!interna);
        IGamaExterno->setVisible(!interna);
    }
    plotarClick();
}
