// Numeric edit box for the orientation and the shading angles.
//
// Holds a real value between 0 and a maximum and shows it with two decimals
// whenever the program sets it; what the user types stays as typed. Accepts
// only digits and the point (the minus sign only when the minimum is below
// zero), backspace and the clipboard keys; refuses a "0" typed at the very
// start of the text. Enter is consumed and reported to the key handler as the
// null character. Leaving the box with a value outside the range raises the
// invalid-entry notification; the window going to the back or the box's
// context menu opening is not leaving it. Entering the box other than by the
// mouse selects its text, so what is typed replaces the value shown.
#pragma once

#include <QLineEdit>

class TFnpNumericEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFnpNumericEdit(QWidget* parent = nullptr);

    double minValue() const { return minValue_; }
    double maxValue() const { return maxValue_; }
    void setMinValue(double value);
    void setMaxValue(double value);

    // The text as a number; throws math::ConversionError when it is not one.
    double value() const;
    // Shows the value with two decimals.
    void setValue(double value);

signals:
    // Every character typed, Enter as QChar(0), before the box takes it.
    void keyPressed(QChar key);
    // Focus left the box with a value outside minValue..maxValue.
    void invalidEntry();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updateValidator();

    double minValue_ = 0.0;
    double maxValue_ = 0.0;
};
