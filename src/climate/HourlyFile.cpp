#include "climate/HourlyFile.h"

#include "climate/CommaText.h"
#include "climate/TextFile.h"
#include "math/numbers.h"

#include <limits>
#include <string_view>

namespace climate {

namespace {

// The field of a line by its commas alone, which the comma-text rules give
// for a line without quotes and blanks (and without a NUL, which ends the
// text before lines are split): nothing when a quote or a blank comes before
// the field's end, where the rules must read it.
struct PlainField {
    bool plain = false;
    bool present = false;
    std::string_view text;
};

PlainField plainField(std::string_view line, int field) {
    std::size_t start = 0;
    int index = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' || static_cast<unsigned char>(c) <= 32) {
            return {};
        }
        if (c == ',') {
            if (index == field) {
                return {true, true, line.substr(start, i - start)};
            }
            ++index;
            start = i + 1;
        }
    }
    // The last field; a comma at the end of the line adds none.
    if (index == field && start < line.size()) {
        return {true, true, line.substr(start)};
    }
    return {true, false, {}};
}

HourlyValue valueOfText(std::string_view text) {
    if (text.empty()) {
        return {HourlyValue::Kind::Empty, 0.0};
    }
    if (const auto number = math::parseNumber(text)) {
        return {HourlyValue::Kind::Number, *number};
    }
    return {HourlyValue::Kind::Invalid, 0.0};
}

HourlyValue valueOf(std::string_view line, int field, std::string& scratch) {
    if (const PlainField plain = plainField(line, field); plain.plain) {
        return plain.present ? valueOfText(plain.text) : HourlyValue{HourlyValue::Kind::Missing, 0.0};
    }
    CommaTextReader reader(line);
    for (int i = 0; i < field; ++i) {
        if (!reader.skip()) {
            return {HourlyValue::Kind::Missing, 0.0};
        }
    }
    if (!reader.next(scratch)) {
        return {HourlyValue::Kind::Missing, 0.0};
    }
    return valueOfText(scratch);
}

}  // namespace

HourlyColumn hourlyColumnFromLines(const std::vector<std::string>& lines, int field) {
    HourlyColumn column;
    column.reserve(lines.size());
    std::string scratch;
    for (const auto& line : lines) {
        column.push_back(valueOf(line, field, scratch));
    }
    return column;
}

HourlyColumn readHourlyColumn(const QString& path, int field) {
    return readHourlyColumn(path, field, 0, std::numeric_limits<std::size_t>::max());
}

HourlyColumn readHourlyColumn(const QString& path, int field, std::size_t firstLine,
                              std::size_t endLine) {
    const std::string bytes = readFileBytes(path);
    HourlyColumn column;
    column.reserve(8760);
    std::string scratch;
    forEachLine(bytes, [&](std::string_view line) {
        const std::size_t index = column.size();
        column.push_back(index >= firstLine && index < endLine ? valueOf(line, field, scratch)
                                                               : HourlyValue{});
    });
    return column;
}

}  // namespace climate
