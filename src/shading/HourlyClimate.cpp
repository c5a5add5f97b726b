#include "shading/HourlyClimate.h"

#include "climate/ClimateErrors.h"
#include "climate/HourlyFile.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"

namespace shading {

HourlyClimate readHourlyClimate(const QString& path, const climate::CityIndexEntry& city,
                                double latitudeDeg) {
    HourlyClimate year;
    year.file = path;
    year.latitudeDeg = latitudeDeg;
    const std::optional<double> longitude = math::parseNumber(city.longitude);
    if (!longitude) {
        throw ShadingDataError(QStringLiteral("A longitude '%1' da cidade não é um número.")
                                   .arg(climate::decodeWindows1252(city.longitude))
                                   .toStdString());
    }
    year.longitudeDeg = *longitude;
    year.standardMeridianDeg = climate::standardMeridianDegWest(city.timeZoneHours);
    try {
        year.temperature = climate::readHourlyColumn(path, climate::kTemperatureField);
        year.directNormal = climate::readHourlyColumn(path, climate::kDirectRadiationField);
    } catch (const climate::ClimateError& error) {
        throw ShadingDataError(error.what());
    }
    return year;
}

}  // namespace shading
