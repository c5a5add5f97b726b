#include "climate/CityDatabase.h"

#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/TextFile.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"

#include <QDir>
#include <QFileInfo>

namespace climate {

namespace {

QString normalisedBase(const QString& baseDirectory) {
    QString base = QDir::fromNativeSeparators(baseDirectory);
    while (base.size() > 1 && base.endsWith(QLatin1Char('/'))) {
        base.chop(1);
    }
    return base;
}

}  // namespace

QString indexPath(const QString& baseDirectory) {
    return normalisedBase(baseDirectory) + QStringLiteral("/Latitudes.csv");
}

QString citiesFolderPath(const QString& baseDirectory) {
    return normalisedBase(baseDirectory) + QStringLiteral("/cidades");
}

QString cityFilePath(const QString& baseDirectory, std::string_view fileName) {
    return citiesFolderPath(baseDirectory) + QLatin1Char('/') + decodeWindows1252(fileName);
}

std::string hourlyFileName(std::string_view fileKey) {
    return std::string(fileKey).append(kHourlyFileSuffix);
}

std::string windFileName(std::string_view fileKey) {
    return std::string(fileKey).append(kWindFileSuffix);
}

bool ensureCitiesFolder(const QString& baseDirectory) {
    const QString folder = citiesFolderPath(baseDirectory);
    const QFileInfo info(folder);
    if (info.isDir()) {
        return false;
    }
    if (info.exists() || info.isSymLink()) {
        throw FileWriteError("existe com esse nome algo que não é uma pasta.", folder);
    }
    if (!QDir().mkdir(folder)) {
        throw FileWriteError("não foi possível criar a pasta.", folder);
    }
    return true;
}

void parseCityIndex(const std::vector<std::string>& lines, std::vector<CityIndexEntry>& entries,
                    const QString& file) {
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SplitCommaTextInto(lines[i], fields);
        if (fields.size() < kIndexFieldCount) {
            throw FormatError("a linha tem " + std::to_string(fields.size()) +
                                  " campo(s); o índice de cidades precisa de 5 (nome, latitude, "
                                  "arquivo horário, arquivo de ventos, longitude).",
                              file, static_cast<int>(i) + 1);
        }
        std::optional<double> timeZone;
        if (fields.size() > kIndexFieldCount) {
            timeZone = math::parseNumber(fields[kIndexFieldCount]);
            if (timeZone && (*timeZone < -12.0 || *timeZone > 14.0)) {
                timeZone.reset();
            }
        }
        entries.push_back({std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                           std::move(fields[3]), std::move(fields[4]), timeZone});
    }
}

double standardMeridianDegWest(const std::optional<double>& timeZoneHours) {
    return timeZoneHours ? -15.0 * *timeZoneHours : 45.0;
}

void readCityIndex(const QString& path, std::vector<CityIndexEntry>& entries) {
    parseCityIndex(readLines(path), entries, path);
}

}  // namespace climate
