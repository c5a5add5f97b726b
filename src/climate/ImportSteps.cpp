#include "climate/ImportSteps.h"

#include "climate/CityDatabase.h"
#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/CommitJournal.h"
#include "climate/HourlyFile.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"

#include <algorithm>

namespace climate {

namespace {

std::string utf8Of(std::string_view windows1252) {
    return decodeWindows1252(windows1252).toStdString();
}

std::optional<long long> integerField(const std::vector<std::string>& fields, int field) {
    return math::parseInteger(fields[static_cast<std::size_t>(field)]);
}

}  // namespace

std::string checkedFileKey(std::string_view name) {
    const std::string key = FileKey(name);
    if (!isPlainFileName(key)) {
        throw RefusalError("Nome de cidade inválido: \"" + utf8Of(name) +
                           "\". O nome não pode ser vazio, \".\" nem \"..\", nem conter \"/\", "
                           "\"\\\" ou caracteres de controle.");
    }
    // Refused in file names by common file systems, so the database can be
    // copied to any of them.
    constexpr std::string_view kRefusedByFileSystems = "\"*:<>?|";
    const auto refusedChar = std::find_first_of(
        key.begin(), key.end(), kRefusedByFileSystems.begin(), kRefusedByFileSystems.end());
    if (refusedChar != key.end()) {
        throw RefusalError("Nome de cidade inválido: \"" + utf8Of(name) +
                           "\". O nome não pode conter o caractere '" + *refusedChar +
                           "', que os sistemas de arquivos não aceitam em nomes de arquivo.");
    }
    return key;
}

void checkFileNameLength(std::string_view fileKey) {
    constexpr int kNameMaxBytes = 255;
    const auto onDisk = [](std::string_view name) {
        return static_cast<int>(decodeWindows1252(name).toUtf8().size());
    };
    const int longest = onDisk(windFileName(fileKey)) + kAddedNameBytes;
    if (longest > kNameMaxBytes) {
        const int allowed = kNameMaxBytes - kAddedNameBytes - onDisk(kWindFileSuffix);
        throw RefusalError("Nome de cidade longo demais: os arquivos da cidade teriam nomes de " +
                           std::to_string(longest) + " bytes, e o limite é " +
                           std::to_string(kNameMaxBytes) + ". O nome pode ter até " +
                           std::to_string(allowed) + " bytes (letras acentuadas contam 2).");
    }
}

void checkLatitudeText(std::string_view latitudeText) {
    std::string text(latitudeText);
    std::replace(text.begin(), text.end(), ',', '.');
    const auto latitude = math::parseNumber(text);
    if (!latitude || *latitude < -65.0 || *latitude > 65.0) {
        throw RefusalError("Latitude inválida: \"" + utf8Of(latitudeText) +
                           "\". A latitude deve ser um número entre -65 e 65.");
    }
}

std::string invertedLongitudeText(double longitudeDeg) {
    return math::formatGeneral(-longitudeDeg);
}

bool anySeasonStartEmpty(const SeasonStartTexts& texts) {
    return std::any_of(texts.begin(), texts.end(), [](const SeasonStartText& t) {
        return t.day.trimmed().isEmpty() || t.month.trimmed().isEmpty() ||
               t.hour.trimmed().isEmpty();
    });
}

SeasonStarts readSeasonStarts(const SeasonStartTexts& texts) {
    SeasonStarts starts;
    for (int s = 0; s < kSeasonCount; ++s) {
        const auto read = [&](const QString& text, const char* what) {
            const std::string trimmed = text.trimmed().toStdString();
            try {
                return math::toInteger(trimmed);
            } catch (const math::ConversionError&) {
                throw FormatError(std::string(what) + " de início da estação " +
                                  seasonName(s).toStdString() + ", '" + trimmed +
                                  "', não é um número inteiro.");
            }
        };
        starts[s] = {read(texts[s].day, "O dia"), read(texts[s].month, "O mês"),
                     read(texts[s].hour, "A hora")};
    }
    return starts;
}

HourlyLines computeHourlyLines(const std::vector<std::string>& dataLines,
                               const SeasonStarts& seasonStarts) {
    HourlyLines result;
    result.lines.reserve(dataLines.size());
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < dataLines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        if (SplitCommaTextInto(dataLines[i], fields)) {
            fields.emplace_back();  // the empty last field a final comma stands for
        }
        for (auto& field : fields) {
            if (field.empty()) {
                field.push_back('0');  // field is empty here
            }
        }
        const auto require = [&](int field, const char* what) {
            if (fields.size() <= static_cast<std::size_t>(field)) {
                throw FormatError(std::string("a linha não tem o campo ") + what + ".", {},
                                  lineNumber);
            }
            const auto value = integerField(fields, field);
            if (!value) {
                throw FormatError(std::string("o campo ") + what + " '" +
                                      fields[static_cast<std::size_t>(field)] +
                                      "' não é um número inteiro.",
                                  {}, lineNumber);
            }
            return *value;
        };
        const long long month = require(kMonthField, "mês");
        for (int s = 0; s < kSeasonCount; ++s) {
            const SeasonStart& start = seasonStarts[s];
            if (month == start.month && require(kDayField, "dia") == start.day &&
                require(kHourField, "hora") == start.hour) {
                result.starts[s] = static_cast<int>(i);
            }
        }
        result.lines.push_back(JoinCommaText(fields));
    }
    return result;
}

std::vector<std::size_t> findCityLines(const std::vector<std::string>& indexLines,
                                       std::string_view name) {
    const std::string key = FileKey(name);
    std::vector<std::size_t> found;
    std::string field;
    for (std::size_t i = 0; i < indexLines.size(); ++i) {
        CommaTextReader reader(indexLines[i]);
        if (!reader.next(field)) {
            throw FormatError("a linha do índice de cidades está vazia.", {},
                              static_cast<int>(i) + 1);
        }
        if (field == name || FileKey(field) == key) {
            found.push_back(i);
        }
    }
    return found;
}

void checkFilesOfNoOtherCity(const std::vector<std::string>& indexLines, std::string_view name,
                             const SameCityFile& sameFile) {
    const std::vector<std::size_t> own = findCityLines(indexLines, name);
    const std::string key = FileKey(name);
    const std::array<std::string, 2> files{hourlyFileName(key), windFileName(key)};
    for (std::size_t i = 0; i < indexLines.size(); ++i) {
        if (std::find(own.begin(), own.end(), i) != own.end()) {
            continue;
        }
        const std::vector<std::string> fields = SplitCommaText(indexLines[i]);
        for (std::size_t f = 2; f <= 3 && f < fields.size(); ++f) {
            if (fields[f] == kNoFileMarker) {
                continue;
            }
            for (const std::string& file : files) {
                if (sameFile(file, fields[f])) {
                    throw RefusalError("Nome de cidade inválido: \"" + utf8Of(name) +
                                       "\". O arquivo \"" + utf8Of(file) +
                                       "\" já pertence à cidade \"" + utf8Of(fields[0]) + "\".");
                }
            }
        }
    }
}

std::vector<std::string> indexWithCityLine(std::vector<std::string> indexLines,
                                           std::string_view name, const std::string& cityLine) {
    const std::vector<std::size_t> found = findCityLines(indexLines, name);
    if (found.empty()) {
        indexLines.push_back(cityLine);
        return indexLines;
    }
    indexLines[found.front()] = cityLine;
    for (auto it = found.rbegin(); it + 1 != found.rend(); ++it) {
        indexLines.erase(indexLines.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return indexLines;
}

}  // namespace climate
