#include "chart/ChartInputs.h"

#include "math/numbers.h"

namespace chart {

AngleReference referenceFromItem(int itemIndex) {
    switch (itemIndex) {
        case 0:
            return AngleReference::Interna;
        case 1:
            return AngleReference::Externa;
        default:
            return AngleReference::None;
    }
}

LatitudeCheck checkLatitude(const QString& text) {
    if (text.isEmpty()) {
        return {LatitudeVerdict::Empty, 0.0};
    }
    const double value = math::toNumber(text.toStdString());
    if (value < kSouthmostLatitudeDeg) {
        return {LatitudeVerdict::BelowRange, value};
    }
    if (value > kNorthmostLatitudeDeg) {
        return {LatitudeVerdict::AboveRange, value};
    }
    return {LatitudeVerdict::Valid, value};
}

}  // namespace chart
