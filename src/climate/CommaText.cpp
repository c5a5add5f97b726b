#include "climate/CommaText.h"

namespace climate {

namespace {

bool isBlank(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 1 && byte <= 32;
}

bool needsQuotes(std::string_view field) {
    for (const char c : field) {
        if (c == ',' || c == '"' || isBlank(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace

CommaTextReader::CommaTextReader(std::string_view line) : line_(line) {
    if (const auto nul = line_.find('\0'); nul != std::string_view::npos) {
        line_ = line_.substr(0, nul);
    }
    skipBlanks();
}

void CommaTextReader::skipBlanks() {
    while (pos_ < line_.size() && isBlank(line_[pos_])) {
        ++pos_;
    }
}

bool CommaTextReader::next(std::string& field) {
    const std::size_t size = line_.size();
    if (pos_ >= size) {
        return false;
    }
    field.clear();
    if (line_[pos_] == '"') {
        ++pos_;
        while (pos_ < size) {
            const std::size_t quote = line_.find('"', pos_);
            if (quote == std::string_view::npos) {
                // No closing quote: the field runs to the end of the line.
                field.append(line_.substr(pos_));
                pos_ = size;
                break;
            }
            field.append(line_.substr(pos_, quote - pos_));
            if (quote + 1 < size && line_[quote + 1] == '"') {
                field.push_back('"');
                pos_ = quote + 2;
            } else {
                pos_ = quote + 1;
                break;
            }
        }
    } else {
        const std::size_t start = pos_;
        while (pos_ < size && line_[pos_] != ',' && !isBlank(line_[pos_])) {
            ++pos_;
        }
        field.assign(line_.substr(start, pos_ - start));
    }
    endedWithComma_ = false;
    skipBlanks();
    if (pos_ < size && line_[pos_] == ',') {
        ++pos_;
        skipBlanks();
        endedWithComma_ = pos_ >= size;
    }
    return true;
}

bool SplitCommaTextInto(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    CommaTextReader reader(line);
    std::string field;
    while (reader.next(field)) {
        fields.push_back(field);
    }
    return reader.endedWithComma();
}

std::vector<std::string> SplitCommaText(std::string_view line) {
    std::vector<std::string> fields;
    SplitCommaTextInto(line, fields);
    return fields;
}

void appendCommaTextField(std::string& line, std::string_view field) {
    if (!needsQuotes(field)) {
        line.append(field);
        return;
    }
    line.push_back('"');
    for (const char c : field) {
        if (c == '"') {
            line.push_back('"');
        }
        line.push_back(c);
    }
    line.push_back('"');
}

std::string JoinCommaText(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line.push_back(',');
        }
        appendCommaTextField(line, fields[i]);
    }
    // A final comma adds no field when split, and an empty line has none: an
    // empty last field is quoted.
    if (!fields.empty() && fields.back().empty()) {
        line.append("\"\"");
    }
    return line;
}

std::string FileKey(std::string_view name) {
    const auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!name.empty() && isTrimmed(name.front())) {
        name.remove_prefix(1);
    }
    while (!name.empty() && isTrimmed(name.back())) {
        name.remove_suffix(1);
    }
    std::string key(name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

}  // namespace climate
