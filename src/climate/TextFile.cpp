#include "climate/TextFile.h"

#include "climate/ClimateErrors.h"
#include "climate/FileTransaction.h"

#include <QFile>
#include <QFileInfo>

namespace climate {

std::vector<std::string> splitLines(std::string_view bytes, bool* stoppedAtNul) {
    std::vector<std::string> lines;
    const bool nul = forEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    if (stoppedAtNul) {
        *stoppedAtNul = nul;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes.append(line).append("\r\n");
    }
    return bytes;
}

std::string readFileBytes(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw FileNotFoundError("o arquivo não existe.", path);
    }
    if (info.isDir()) {
        throw FileReadError("é uma pasta, não um arquivo.", path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileReadError(
            "não foi possível abrir o arquivo (" + file.errorString().toStdString() + ").", path);
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw FileReadError(
            "não foi possível ler o arquivo (" + file.errorString().toStdString() + ").", path);
    }
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

std::vector<std::string> readLines(const QString& path, bool* stoppedAtNul) {
    return splitLines(readFileBytes(path), stoppedAtNul);
}

void writeFileAtomically(const QString& path, std::string_view bytes) {
    FileTransaction transaction;
    transaction.add(path, std::string(bytes));
    transaction.commit();
}

void writeLines(const QString& path, const std::vector<std::string>& lines) {
    writeFileAtomically(path, joinLines(lines));
}

}  // namespace climate
