// A number as it was typed into a box: the text, which the annotation block
// writes as it stands, and the number it parsed to, or the parser's message
// when it is not one. The window and the command line parse once, at the
// edge; the drawing below asks only for the number, and a step that needs a
// number that was not one stops there with the message, leaving what was
// drawn before it.
#pragma once

#include <QString>

#include <optional>
#include <string>

namespace chart {

class TypedNumber {
public:
    TypedNumber() = default;  // an empty box: not a number
    static TypedNumber parse(const QString& text);

    const QString& text() const { return text_; }
    bool isNumber() const { return value_.has_value(); }
    // Throws math::ConversionError naming the text when it is not a number.
    double value() const;

private:
    QString text_;
    std::optional<double> value_;
    std::string error_;
};

}  // namespace chart
