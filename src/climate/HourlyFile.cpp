#include "climate/HourlyFile.h"

#include "climate/CommaText.h"
#include "climate/TextFile.h"
#include "math/numbers.h"

#include <limits>
#include <string_view>

namespace climate {

namespace {

HourlyValue valueOf(std::string_view line, int field, std::string& scratch) {
    CommaTextReader reader(line);
    for (int i = 0; i < field; ++i) {
        if (!reader.skip()) {
            return {HourlyValue::Kind::Missing, 0.0};
        }
    }
    if (!reader.next(scratch)) {
        return {HourlyValue::Kind::Missing, 0.0};
    }
    if (scratch.empty()) {
        return {HourlyValue::Kind::Empty, 0.0};
    }
    if (const auto number = math::parseNumber(scratch)) {
        return {HourlyValue::Kind::Number, *number};
    }
    return {HourlyValue::Kind::Invalid, 0.0};
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
