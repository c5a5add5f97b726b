#include "chart/TypedNumber.h"

#include "math/numbers.h"

namespace chart {

TypedNumber TypedNumber::parse(const QString& text) {
    TypedNumber typed;
    typed.text_ = text;
    try {
        typed.value_ = math::toNumber(text.toStdString());
    } catch (const math::ConversionError& error) {
        typed.error_ = error.what();
    }
    return typed;
}

double TypedNumber::value() const {
    if (!value_) {
        throw math::ConversionError(error_.empty() ? parse(text_).error_ : error_);
    }
    return *value_;
}

}  // namespace chart
