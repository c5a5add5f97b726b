#include "climate/ClimateErrors.h"

namespace climate {

namespace {

std::string compose(const std::string& reason, const QString& file, int line) {
    std::string text;
    if (!file.isEmpty()) {
        text.append("Arquivo \"").append(file.toStdString()).append("\"");
        if (line > 0) {
            text.append(", linha ").append(std::to_string(line));
        }
        text.append(": ");
    } else if (line > 0) {
        text.append("Linha ").append(std::to_string(line)).append(": ");
    }
    text.append(reason);
    return text;
}

}  // namespace

ClimateError::ClimateError(const std::string& reason, const QString& file, int line)
    : std::runtime_error(compose(reason, file, line)), reason_(reason), file_(file), line_(line) {}

FormatError FormatError::relocated(const QString& file, int lineOffset) const {
    return FormatError(reason(), file, line() > 0 ? line() + lineOffset : 0);
}

}  // namespace climate
