#include "climate/ImportSource.h"

#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/EpwSource.h"
#include "climate/TextFile.h"
#include "climate/Windows1252.h"
#include "climate/YearOfHours.h"
#include "math/numbers.h"

#include <algorithm>

namespace climate {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// The header words as bytes in each encoding.
constexpr std::string_view kLocationWin1252 = "Localiza\xE7\xE3o";
constexpr std::string_view kLocationUtf8 = "Localização";
constexpr std::string_view kMonthWin1252 = "M\xEAs";
constexpr std::string_view kMonthUtf8 = "Mês";
constexpr int kHeaderLines = 4;

std::string firstField(std::string_view line) {
    CommaTextReader reader(line);
    std::string field;
    reader.next(field);
    return field;
}

std::string trimmed(std::string_view text) {
    const auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isTrimmed(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isTrimmed(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

// Checks that the data lines are the hours of one year in order, and drops
// a leap year's 29 February.
void keepOneYear(ImportSource& source, const QString& path) {
    YearOfHours year;
    std::vector<std::string> kept;
    kept.reserve(kYearHours);
    std::string field;
    for (std::size_t i = 0; i < source.dataLines.size(); ++i) {
        const int line = kHeaderLines + static_cast<int>(i) + 1;
        year.requireRoom(path, line);
        CommaTextReader reader(source.dataLines[i]);
        const auto integer = [&](const char* what) {
            if (!reader.next(field)) {
                throw FormatError(std::string("a linha não tem o campo ") + what + ".", path, line);
            }
            return stampField(field, what, path, line);
        };
        HourStamp stamp;
        stamp.month = integer("mês");
        stamp.day = integer("dia");
        stamp.hour = integer("hora");
        if (year.next(stamp, path, line)) {
            kept.push_back(std::move(source.dataLines[i]));
        } else if (!source.leapDayAt) {
            source.leapDayAt = kept.size();
        }
    }
    year.requireComplete(path, kHeaderLines + static_cast<int>(source.dataLines.size()) + 1);
    source.dataLines = std::move(kept);
}

}  // namespace

ImportSource parseCommaTextSource(std::string_view bytes, const QString& path) {
    ImportSource source;
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
        source.encoding = SourceEncoding::Utf8;
        if (!isValidUtf8(bytes)) {
            throw EncodingError("O arquivo " + path.toStdString() +
                                " começa como UTF-8 mas não é UTF-8 válido.");
        }
    } else if (!isAscii(bytes) && isValidUtf8(bytes)) {
        // Windows-1252 text with accents is almost never valid UTF-8.
        source.encoding = SourceEncoding::Utf8;
    }
    const bool utf8 = source.encoding == SourceEncoding::Utf8;

    const std::vector<std::string> lines = splitWholeLines(bytes, path);
    const auto lineAt = [&](std::size_t i) -> const std::string& {
        if (i >= lines.size()) {
            throw FormatError("o arquivo tem " + std::to_string(lines.size()) +
                                  " linha(s); são necessárias ao menos 4 linhas de cabeçalho.",
                              path);
        }
        return lines[i];
    };

    if (firstField(lineAt(0)) != (utf8 ? kLocationUtf8 : kLocationWin1252)) {
        throw InvalidSourceError("a primeira linha não começa por \"Localização\".", path, 1);
    }
    if (firstField(lineAt(3)) != (utf8 ? kMonthUtf8 : kMonthWin1252)) {
        throw InvalidSourceError("a quarta linha não começa por \"Mês\".", path, 4);
    }

    std::string location = lineAt(1);
    std::replace(location.begin(), location.end(), ' ', '_');
    const std::vector<std::string> fields = SplitCommaText(location);
    if (fields.size() < 3) {
        throw FormatError("a linha tem " + std::to_string(fields.size()) +
                              " campo(s); são necessários nome, latitude e longitude.",
                          path, 2);
    }
    const auto longitude = math::parseNumber(fields[2]);
    if (!longitude || *longitude < -180.0 || *longitude > 180.0) {
        throw FormatError("a longitude '" + fields[2] + "' não é um número de -180 a 180.", path,
                          2);
    }
    source.longitudeDeg = *longitude;
    if (utf8) {
        if (const auto name = tryEncodeWindows1252(QString::fromUtf8(fields[0]))) {
            source.name = trimmed(*name);
        } else {
            throw EncodingError("O nome da cidade \"" + fields[0] +
                                "\" tem caracteres que não existem no código Windows-1252 do "
                                "banco de dados de cidades.");
        }
        if (const auto latitude = tryEncodeWindows1252(QString::fromUtf8(fields[1]))) {
            source.latitudeText = trimmed(*latitude);
        } else {
            throw EncodingError("A latitude \"" + fields[1] +
                                "\" tem caracteres que não existem no código Windows-1252.");
        }
    } else {
        source.name = trimmed(fields[0]);
        source.latitudeText = trimmed(fields[1]);
    }

    source.linesBeforeData = kHeaderLines;
    source.dataLines.reserve(lines.size() > kHeaderLines ? lines.size() - kHeaderLines : 0);
    for (std::size_t i = kHeaderLines; i < lines.size(); ++i) {
        if (!utf8 || isAscii(lines[i])) {
            source.dataLines.push_back(lines[i]);
            continue;
        }
        if (auto converted = tryEncodeWindows1252(QString::fromUtf8(lines[i]))) {
            source.dataLines.push_back(std::move(*converted));
        } else {
            throw EncodingError("Arquivo \"" + path.toStdString() + "\", linha " +
                                std::to_string(i + 1) +
                                ": tem caracteres que não existem no código Windows-1252 do "
                                "banco de dados de cidades.");
        }
    }
    keepOneYear(source, path);
    return source;
}

ImportSource readCommaTextSource(const QString& path) {
    return parseCommaTextSource(readFileBytes(path), path);
}

ImportSource readImportSource(const QString& path) {
    const std::string bytes = readFileBytes(path);
    if (path.endsWith(QStringLiteral(".epw"), Qt::CaseInsensitive) || looksLikeEpw(bytes)) {
        return parseEpwSource(bytes, path);
    }
    return parseCommaTextSource(bytes, path);
}

}  // namespace climate
