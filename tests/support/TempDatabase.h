// A temporary city database folder (Latitudes.csv and cidades/) for one test.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>

class TempDatabase {
public:
    TempDatabase();
    QString path() const { return dir_.path(); }
    QString indexPath() const;
    QString cityFilePath(const QString& fileName) const;
    // Writes the index from raw lines (bytes), each followed by CR LF.
    void writeIndex(const std::vector<std::string>& lines) const;
    // Writes a file of cidades/ from raw bytes.
    void writeCityFile(const QString& fileName, const std::string& bytes) const;
    static void writeBytes(const QString& path, const std::string& bytes);
    static std::string readBytes(const QString& path);

private:
    QTemporaryDir dir_;
};
