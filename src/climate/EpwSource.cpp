#include "climate/EpwSource.h"

#include "climate/ClimateErrors.h"
#include "climate/TextFile.h"
#include "climate/Windows1252.h"
#include "climate/YearOfHours.h"
#include "math/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace climate {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, kEpwHeaderLines> kHeaderKeywords{
    "LOCATION",
    "DESIGN CONDITIONS",
    "TYPICAL/EXTREME PERIODS",
    "GROUND TEMPERATURES",
    "HOLIDAYS/DAYLIGHT SAVINGS",
    "COMMENTS 1",
    "COMMENTS 2",
    "DATA PERIODS",
};
// Some writers leave out the final S of this one.
constexpr std::string_view kHolidaysShort = "HOLIDAYS/DAYLIGHT SAVING";

// Fields of a data record, counted from 0.
constexpr std::size_t kMonth = 1;
constexpr std::size_t kDay = 2;
constexpr std::size_t kHour = 3;
constexpr std::size_t kMinute = 4;
constexpr std::size_t kDryBulb = 6;
constexpr std::size_t kGlobalHorizontal = 13;
constexpr std::size_t kDirectNormal = 14;
constexpr std::size_t kWindDirection = 20;
constexpr std::size_t kWindSpeed = 21;
constexpr std::size_t kFieldsRead = kWindSpeed + 1;

// The quantities taken from each record, with the code that marks them missing.
struct Quantity {
    std::size_t field;
    double missingFrom;  // this value or above is missing
    const char* name;    // in messages
};
constexpr std::array<Quantity, 5> kQuantities{{
    {kDryBulb, 99.9, "temperatura de bulbo seco"},
    {kGlobalHorizontal, 9999.0, "radiação global horizontal"},
    {kDirectNormal, 9999.0, "radiação direta normal"},
    {kWindDirection, 999.0, "direção do vento"},
    {kWindSpeed, 999.0, "velocidade do vento"},
}};
enum QuantityIndex { kTemperatureQ, kGlobalQ, kDirectQ, kDirectionQ, kSpeedQ };

std::string_view trimmedView(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The fields of a comma-separated line, trimmed; at most fields.size() of
// them are kept, and the count says how many the line has up to that many.
// Several sources write the LOCATION name in double quotes: a quoted field
// is what its quotes hold, commas included (a doubled quote stays two, for
// the name check to refuse); a quote never closed is kept as text.
template <std::size_t N>
std::size_t splitFields(std::string_view line, std::array<std::string_view, N>& fields) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (count < N) {
        std::size_t comma = line.find(',', start);
        std::string_view field = trimmedView(line.substr(start, comma - start));
        if (field.starts_with('"')) {
            const auto open = static_cast<std::size_t>(field.data() - line.data());
            std::size_t close = line.find('"', open + 1);
            while (close != std::string_view::npos && line.substr(close, 2) == "\"\"") {
                close = line.find('"', close + 2);
            }
            if (close != std::string_view::npos) {
                field = line.substr(open + 1, close - open - 1);
                comma = line.find(',', close + 1);
            }
        }
        fields[count++] = field;
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return count;
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

void checkHeader(const std::vector<std::string>& lines, const QString& path) {
    for (int k = 0; k < kEpwHeaderLines; ++k) {
        if (static_cast<std::size_t>(k) >= lines.size()) {
            throw InvalidSourceError(
                "o arquivo acaba antes das 8 linhas de cabeçalho de um "
                "arquivo EPW.",
                path, k + 1);
        }
        const std::string_view line = lines[static_cast<std::size_t>(k)];
        const std::string keyword = upper(trimmedView(line.substr(0, line.find(','))));
        if (keyword != kHeaderKeywords[static_cast<std::size_t>(k)] &&
            !(k == 4 && keyword == kHolidaysShort)) {
            throw InvalidSourceError("a linha deveria começar por \"" +
                                         std::string(kHeaderKeywords[static_cast<std::size_t>(k)]) +
                                         "\".",
                                     path, k + 1);
        }
    }
    std::array<std::string_view, 3> period{};
    if (splitFields(lines[kEpwHeaderLines - 1], period) == 3) {
        const auto perHour = math::parseInteger(period[2]);
        if (perHour && *perHour != 1) {
            throw FormatError("o arquivo tem " + std::to_string(*perHour) +
                                  " registros por hora; a importação lê um por hora.",
                              path, kEpwHeaderLines);
        }
    }
}

void readLocation(std::string_view line, ImportSource& source, const QString& path) {
    std::array<std::string_view, 9> fields{};
    const std::size_t count = splitFields(line, fields);
    if (count < fields.size()) {
        throw FormatError("a linha LOCATION tem " + std::to_string(count) +
                              " campo(s); são necessários cidade, região, país, fonte, código, "
                              "latitude, longitude e fuso horário.",
                          path, 1);
    }
    std::string name(fields[1]);
    std::replace(name.begin(), name.end(), ' ', '_');
    if (!isAscii(name) && isValidUtf8(name)) {
        const auto converted = tryEncodeWindows1252(QString::fromUtf8(name));
        if (!converted) {
            throw EncodingError("O nome da cidade \"" + name +
                                "\" tem caracteres que não existem no código Windows-1252 do "
                                "banco de dados de cidades.");
        }
        name = *converted;
        source.encoding = SourceEncoding::Utf8;
    }
    source.name = std::move(name);
    source.latitudeText = std::string(fields[6]);

    const auto number = [&](std::size_t field, const char* what, double low, double high) {
        const auto value = math::parseNumber(fields[field]);
        if (!value || *value < low || *value > high) {
            throw FormatError(std::string(what) + " '" + std::string(fields[field]) +
                                  "' não é um número de " + math::formatGeneral(low) + " a " +
                                  math::formatGeneral(high) + ".",
                              path, 1);
        }
        return *value;
    };
    source.longitudeDeg = number(7, "a longitude", -180.0, 180.0);
    source.timeZoneHours = number(8, "o fuso horário", -12.0, 14.0);
}

// The records of a year, each quantity in its own series, with its missing
// values marked; 29 February left out.
struct Records {
    std::vector<HourStamp> stamps;
    std::array<std::vector<double>, kQuantities.size()> values;
    std::array<std::vector<bool>, kQuantities.size()> missing;
};

Records readRecords(const std::vector<std::string>& lines, std::size_t end, const QString& path) {
    Records records;
    records.stamps.reserve(kYearHours);
    for (auto& series : records.values) {
        series.reserve(kYearHours);
    }
    std::array<std::string_view, kFieldsRead> fields{};
    YearOfHours year;
    std::size_t i = kEpwHeaderLines;
    for (; i < end; ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        year.requireRoom(path, lineNumber);
        const std::size_t count = splitFields(lines[i], fields);
        if (count < kFieldsRead) {
            throw FormatError("a linha tem " + std::to_string(count) +
                                  " campo(s); um registro EPW precisa de ao menos " +
                                  std::to_string(kFieldsRead) + ".",
                              path, lineNumber);
        }
        const auto integer = [&](std::size_t field, const char* what) {
            return stampField(fields[field], what, path, lineNumber);
        };
        const HourStamp stamp{integer(kMonth, "mês"), integer(kDay, "dia"), integer(kHour, "hora")};
        const bool kept = year.next(stamp, path, lineNumber);
        const int minute = integer(kMinute, "minuto");
        if (minute != 0 && minute != 60) {
            throw FormatError(
                "o minuto " + std::to_string(minute) + " não é de um registro horário (0 ou 60).",
                path, lineNumber);
        }
        if (!kept) {
            continue;
        }
        records.stamps.push_back(stamp);
        for (std::size_t q = 0; q < kQuantities.size(); ++q) {
            const std::string_view text = fields[kQuantities[q].field];
            const auto value = text.empty() ? std::optional<double>(0.0) : math::parseNumber(text);
            if (!value) {
                throw FormatError(std::string("o campo de ") + kQuantities[q].name + " '" +
                                      std::string(text) + "' não é um número.",
                                  path, lineNumber);
            }
            const bool missing = text.empty() || *value >= kQuantities[q].missingFrom;
            records.values[q].push_back(missing ? 0.0 : *value);
            records.missing[q].push_back(missing);
        }
    }
    year.requireComplete(path, static_cast<int>(i) + 1);
    return records;
}

void appendNumber(std::string& line, double value) {
    line.push_back(',');
    line.append(math::formatGeneral(value));
}

void appendInteger(std::string& line, int value) {
    if (!line.empty()) {
        line.push_back(',');
    }
    line.append(std::to_string(value));
}

}  // namespace

double interpolateDirection(double from, double to, double t) {
    if (from == 0.0 && to == 0.0) {
        return 0.0;
    }
    double delta = std::fmod(to - from, 360.0);
    if (delta > 180.0) {
        delta -= 360.0;
    } else if (delta <= -180.0) {
        delta += 360.0;
    }
    double value = std::fmod(from + t * delta, 360.0);
    if (value <= 0.0) {
        value += 360.0;
    }
    return value;
}

int fillMissing(std::vector<double>& values, const std::vector<bool>& missing, bool direction,
                const char* what) {
    const std::size_t n = values.size();
    const auto firstValid = std::find(missing.begin(), missing.end(), false);
    if (firstValid == missing.end()) {
        if (n == 0) {
            return 0;
        }
        throw FormatError(std::string("o arquivo não tem nenhum valor válido de ") + what + ".");
    }
    const auto start = static_cast<std::size_t>(firstValid - missing.begin());
    int filled = 0;
    std::size_t before = start;
    for (std::size_t step = 1; step <= n; ++step) {
        const std::size_t after = (start + step) % n;
        if (missing[after]) {
            continue;
        }
        const std::size_t gap = (after + n - before) % n == 0 ? n : (after + n - before) % n;
        for (std::size_t k = 1; k < gap; ++k) {
            const double t = static_cast<double>(k) / static_cast<double>(gap);
            const double a = values[before];
            const double b = values[after];
            values[(before + k) % n] = direction ? interpolateDirection(a, b, t) : a + t * (b - a);
            ++filled;
        }
        before = after;
    }
    return filled;
}

bool looksLikeEpw(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    return upper(trimmedView(bytes.substr(0, bytes.find_first_of(",\r\n")))) == "LOCATION" &&
           bytes.find(',') != std::string_view::npos;
}

ImportSource parseEpwSource(std::string_view bytes, const QString& path) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    const std::vector<std::string> lines = splitWholeLines(bytes, path);
    checkHeader(lines, path);

    ImportSource source;
    source.format = SourceFormat::Epw;
    source.linesBeforeData = kEpwHeaderLines;
    readLocation(lines[0], source, path);

    // Blank lines after the last record are not records.
    std::size_t end = lines.size();
    while (end > kEpwHeaderLines && trimmedView(lines[end - 1]).empty()) {
        --end;
    }
    Records records = readRecords(lines, end, path);

    int filled = 0;
    for (std::size_t q = 0; q < kQuantities.size(); ++q) {
        try {
            filled += fillMissing(records.values[q], records.missing[q], q == kDirectionQ,
                                  kQuantities[q].name);
        } catch (const FormatError& error) {
            throw FormatError(error.reason(), path);
        }
    }
    source.filledValues = filled;

    // Line i: the record that ends at i:00 (r = i - 1, the year wrapping) and,
    // for radiation, the mean of it and the record that starts there (r = i).
    const std::size_t n = records.stamps.size();
    const auto& v = records.values;
    source.dataLines.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t ending = (i + n - 1) % n;
        const HourStamp& stamp = records.stamps[ending];
        std::string line;
        line.reserve(96);
        appendInteger(line, stamp.month);
        appendInteger(line, stamp.day);
        appendInteger(line, stamp.hour);
        appendNumber(line, v[kTemperatureQ][ending]);
        line.append(",0,0,0,0,0,0,0");  // fields 4 to 10
        appendNumber(line, v[kSpeedQ][ending]);
        appendNumber(line, v[kDirectionQ][ending]);
        line.append(",0,0");  // fields 13 and 14
        appendNumber(line, (v[kGlobalQ][ending] + v[kGlobalQ][i]) / 2.0);
        line.append(",0");  // field 16
        appendNumber(line, (v[kDirectQ][ending] + v[kDirectQ][i]) / 2.0);
        source.dataLines.push_back(std::move(line));
    }
    return source;
}

ImportSource readEpwSource(const QString& path) {
    return parseEpwSource(readFileBytes(path), path);
}

}  // namespace climate
