#include "scene/ChartRequest.h"

#include "climate/HourlyFile.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"
#include "overlay/HalfYear.h"

#include <QFileInfo>

namespace scene {

std::optional<QString> hourlyFilePath(const QString& baseDirectory,
                                      const climate::CityIndexEntry& city) {
    // The marker is never a file name: under cidades/ it would name a file
    // "a" in a folder "s".
    if (!city.hasHourlyFile()) {
        return std::nullopt;
    }
    QString path = climate::cityFilePath(baseDirectory, city.hourlyFile);
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    return path;
}

std::optional<OverlaySource> loadOverlaySource(const QString& baseDirectory,
                                               const climate::CityIndexEntry& city, int indexLine,
                                               const QString& latitudeText,
                                               overlay::Quantity quantity, int periodItem) {
    const std::optional<QString> path = hourlyFilePath(baseDirectory, city);
    if (!path) {
        return std::nullopt;
    }
    OverlaySource source;
    source.file = *path;
    auto indexWarning = [&](const char* what, const QString& text) {
        return Warning{
            QStringLiteral("Arquivo %1 inválido!").arg(climate::indexPath(baseDirectory)),
            QStringLiteral("A %1 '%2' da linha %3 não é um número.")
                .arg(QString::fromUtf8(what), text, QString::number(indexLine))};
    };
    const std::optional<double> longitude = math::parseNumber(city.longitude);
    if (!longitude) {
        source.indexWarning = indexWarning("longitude", climate::decodeWindows1252(city.longitude));
        return source;
    }
    const std::optional<double> latitude = math::parseNumber(latitudeText.toStdString());
    if (!latitude) {
        source.indexWarning = indexWarning("latitude", latitudeText);
        return source;
    }
    source.inputs.latitudeDeg = *latitude;
    source.inputs.longitudeDeg = *longitude;
    source.inputs.periodItem = periodItem;
    source.inputs.quantity = quantity;
    source.inputs.standardMeridianDeg = climate::standardMeridianDegWest(city.timeZoneHours);
    // One read of the file per drawing, one split of each line the half-year
    // reads: its days' lines and the one after, which the last step
    // interpolates towards.
    const overlay::DayRange days = overlay::halfYearDays(periodItem);
    try {
        source.column = climate::readHourlyColumn(*path, overlay::hourlyField(quantity),
                                                  24 * static_cast<std::size_t>(days.first - 1),
                                                  24 * static_cast<std::size_t>(days.last) + 1);
    } catch (...) {
        source.readFailure = std::current_exception();
    }
    return source;
}

}  // namespace scene
