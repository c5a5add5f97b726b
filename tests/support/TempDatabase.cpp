#include "support/TempDatabase.h"

#include <QDir>
#include <QFile>

TempDatabase::TempDatabase() { QDir(dir_.path()).mkpath(QStringLiteral("cidades")); }

QString TempDatabase::indexPath() const { return dir_.path() + QStringLiteral("/Latitudes.csv"); }

QString TempDatabase::cityFilePath(const QString& fileName) const {
    return dir_.path() + QStringLiteral("/cidades/") + fileName;
}

void TempDatabase::writeIndex(const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    writeBytes(indexPath(), bytes);
}

void TempDatabase::writeCityFile(const QString& fileName, const std::string& bytes) const {
    writeBytes(cityFilePath(fileName), bytes);
}

void TempDatabase::writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

std::string TempDatabase::readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}
