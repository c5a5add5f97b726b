#include "widgets/TFnpNumericEdit.h"

#include "math/numbers.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

TFnpNumericEdit::TFnpNumericEdit(QWidget* parent) : QLineEdit(parent) {
    updateValidator();
    setValue(0.0);
}

void TFnpNumericEdit::setMinValue(double value) {
    minValue_ = value;
    updateValidator();
}

void TFnpNumericEdit::setMaxValue(double value) { maxValue_ = value; }

// Pasted text goes through the same character rule as typed text.
void TFnpNumericEdit::updateValidator() {
    const QString pattern = minValue_ < 0 ? QStringLiteral("[0-9.\\-]*") : QStringLiteral("[0-9.]*");
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

double TFnpNumericEdit::value() const { return math::toNumber(text().toStdString()); }

void TFnpNumericEdit::setValue(double value) {
    setText(QString::fromStdString(math::formatFixed2(value)));
}

void TFnpNumericEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit keyPressed(QChar(0));
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
        event->matches(QKeySequence::Undo)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || event->key() == Qt::Key_Backspace ||
        event->key() == Qt::Key_Delete) {
        // Navigation, backspace and delete: not characters of the value.
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar c = typed.front();
    const bool accepted = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                          c == QLatin1Char('.') || (c == QLatin1Char('-') && minValue_ < 0);
    const int insertAt = hasSelectedText() ? selectionStart() : cursorPosition();
    if (!accepted || (c == QLatin1Char('0') && insertAt == 0)) {
        event->accept();
        return;
    }
    emit keyPressed(c);
    QLineEdit::keyPressEvent(event);
}

namespace {

// Qt reports focus changes that neither enter nor leave the box: the window
// losing or regaining activation, and the box's own context menu opening or
// closing.
bool staysInTheBox(const QFocusEvent* event) {
    return event->reason() == Qt::ActiveWindowFocusReason ||
           event->reason() == Qt::PopupFocusReason;
}

}  // namespace

void TFnpNumericEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && !staysInTheBox(event)) {
        selectAll();
    }
}

void TFnpNumericEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (minValue_ == maxValue_ || staysInTheBox(event)) {
        return;
    }
    const auto current = math::parseNumber(text().toStdString());
    if (current && (*current < minValue_ || *current > maxValue_)) {
        emit invalidEntry();
    }
}
