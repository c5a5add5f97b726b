#include "wind/WindFile.h"

#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"

namespace wind {

std::size_t firstDirectionLine(WindMode mode) {
    return mode == WindMode::PredominantSpeeds ? 8 : 0;
}

SeasonTexts seasonTexts(const std::vector<std::string>& lines, std::size_t index,
                        const QString& file) {
    const int lineNumber = static_cast<int>(index) + 1;
    if (index >= lines.size()) {
        throw climate::FormatError("o arquivo de ventos tem " + std::to_string(lines.size()) +
                                       " linha(s); falta esta linha.",
                                   file, lineNumber);
    }
    std::vector<std::string> fields = climate::SplitCommaText(lines[index]);
    if (fields.size() < 4) {
        throw climate::FormatError("a linha tem " + std::to_string(fields.size()) +
                                       " valor(es); são necessários 4 (P, V, O, I).",
                                   file, lineNumber);
    }
    return {std::move(fields[0]), std::move(fields[1]), std::move(fields[2]), std::move(fields[3])};
}

std::array<double, 4> seasonValues(const SeasonTexts& texts, std::size_t index,
                                   const QString& file) {
    std::array<double, 4> values{};
    for (std::size_t s = 0; s < texts.size(); ++s) {
        const std::optional<double> value = math::parseNumber(texts[s]);
        if (!value) {
            // The message is UTF-8; the file's text is Windows-1252.
            const std::string shown = climate::decodeWindows1252(texts[s]).toStdString();
            throw climate::FormatError(math::notANumberMessage(shown), file,
                                       static_cast<int>(index) + 1);
        }
        values[s] = *value;
    }
    return values;
}

WindTable parseWindTable(const std::vector<std::string>& lines, int modeItem, const QString& file) {
    WindTable table;
    table.modeItem = modeItem;
    const WindMode mode = windModeFromItem(modeItem);
    const std::size_t first = firstDirectionLine(mode);
    const double factor = windModeTexts(mode).factor;
    try {
        for (std::size_t d = 0; d < static_cast<std::size_t>(kDirectionCount); ++d) {
            const SeasonTexts texts = seasonTexts(lines, first + d, file);
            std::array<double, 4> values = seasonValues(texts, first + d, file);
            for (double& v : values) {
                v *= factor;
            }
            table.directionTexts.push_back(texts);
            table.directionValues.push_back(values);
        }
        for (std::size_t c = 0; c < static_cast<std::size_t>(kDayPeriodCount); ++c) {
            table.calmTexts.push_back(seasonTexts(lines, kCalmFirstLine + c, file));
        }
    } catch (const climate::ClimateError& error) {
        table.failure = error.message();
    }
    return table;
}

}  // namespace wind
