#include "app/SunPositionCommand.h"

#include "chart/ChartGeometry.h"
#include "chart/FacadeAngles.h"
#include "math/numbers.h"
#include "overlay/Calendar.h"
#include "overlay/SunPosition.h"
#include "scene/ReadoutText.h"

std::optional<int> parseDayMonth(const QString& text) {
    const QStringList parts = text.split(u'/');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    const std::optional<long long> day = math::parseInteger(parts[0].toStdString());
    const std::optional<long long> month = math::parseInteger(parts[1].toStdString());
    if (!day || !month || *day < 1 || *day > 31 || *month < 1 || *month > 12) {
        return std::nullopt;
    }
    return overlay::dayOfYear(static_cast<int>(*day), static_cast<int>(*month));
}

QStringList sunPositionLines(const SunPositionRequest& request) {
    const overlay::SunPosition sun =
        overlay::sunPosition(request.latitudeDeg, request.day, request.sunTimeHours,
                             chart::ChartGeometry::forImage(460, 460));
    QStringList lines{QStringLiteral("altitude: ") + scene::oneDecimal(sun.altitudeDeg),
                      QStringLiteral("azimute: ") + scene::azimuthOneDecimal(sun.azimuthDeg)};
    // Below the horizon as the overlay sees it: no disc would be drawn.
    if (!sun.aboveHorizon) {
        lines << QStringLiteral("sol: abaixo do horizonte");
        return lines;
    }
    if (!request.orientationDeg) {
        return lines;
    }
    const chart::FacadeAngles angles =
        chart::facadeAnglesOf({sun.altitudeDeg, sun.azimuthDeg}, *request.orientationDeg);
    if (!angles.inFront) {
        lines << QStringLiteral("fachada: sol atrás da fachada");
        return lines;
    }
    const scene::TypedFacadeAngles typed = scene::typedFacadeAngles(angles, request.reference);
    lines << QStringLiteral("alfa: ") + scene::oneDecimal(typed.alphaDeg)
          << QStringLiteral("beta: ") + scene::oneDecimal(typed.betaDeg) + u' ' +
                 scene::sideName(angles.side)
          << QStringLiteral("gama: ") + scene::oneDecimal(typed.gammaDeg);
    return lines;
}
