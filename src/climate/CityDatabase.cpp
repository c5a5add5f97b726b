#include "climate/CityDatabase.h"

#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/TextFile.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace climate {

namespace {

QString normalisedBase(const QString& baseDirectory) {
    QString base = QDir::fromNativeSeparators(baseDirectory);
    while (base.size() > 1 && base.endsWith(QLatin1Char('/'))) {
        base.chop(1);
    }
    return base;
}

// Bytes that are control characters in Windows-1252: C0, DEL, and the five
// bytes the code page leaves undefined (they decode to C1 controls).
bool isControlByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 32 || byte == 127 || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
           byte == 0x90 || byte == 0x9D;
}

void requirePlainFileName(const std::string& name, const char* what, const QString& file,
                          int line) {
    if (name != kNoFileMarker && !isPlainFileName(name)) {
        throw FormatError(std::string("o nome do arquivo ") + what + " '" +
                              decodeWindows1252(name).toStdString() +
                              "' não é um nome de arquivo da pasta cidades/ (nem \"s/a\").",
                          file, line);
    }
}

}  // namespace

bool isPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return c == '/' || c == '\\' || isControlByte(c); });
}

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
        const int line = static_cast<int>(i) + 1;
        requirePlainFileName(fields[2], "horário", file, line);
        requirePlainFileName(fields[3], "de ventos", file, line);
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
