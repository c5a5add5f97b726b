#include "scene/ReadoutText.h"

#include "chart/ShadingMasks.h"
#include "math/numbers.h"

#include <cmath>

namespace scene {

QString oneDecimal(double value) {
    return QString::fromStdString(math::formatFixed(value, 1));
}

QString azimuthOneDecimal(double azimuthDeg) {
    double a = std::fmod(azimuthDeg, 360.0);
    if (a < 0.0) {
        a += 360.0;
    }
    const QString text = oneDecimal(a);
    return text == QStringLiteral("360.0") ? QStringLiteral("0.0") : text;
}

QString clockText(double hours) {
    constexpr long long kMinutesPerDay = 24 * 60;
    long long minutes = std::llround(hours * 60.0) % kMinutesPerDay;
    if (minutes < 0) {
        minutes += kMinutesPerDay;
    }
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString sideName(chart::FacadeSide side) {
    return side == chart::FacadeSide::Right ? QStringLiteral("direita")
                                            : QStringLiteral("esquerda");
}

TypedFacadeAngles typedFacadeAngles(const chart::FacadeAngles& angles,
                                    chart::AngleReference reference) {
    // The conversion is its own inverse: 90 - (90 - v) = v.
    return {chart::externalAngle(angles.alphaDeg, reference),
            chart::externalAngle(angles.betaDeg, reference),
            chart::externalAngle(angles.gammaDeg, reference)};
}

}  // namespace scene
