// Helpers of the climate tests: a notifier that records, a snapshot of a
// database folder, and a generator of import source files.
#pragma once

#include "climate/Notifier.h"
#include "climate/Windows1252.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

#include <cstdio>
#include <deque>
#include <map>
#include <string>
#include <vector>

struct Notice {
    climate::NoticeKind kind;
    QString text;
    QString details;
    bool question = false;
};

// Records every message; answers questions from a queue (No when empty).
class RecordingNotifier : public climate::Notifier {
public:
    void notify(climate::NoticeKind kind, const QString& text, const QString& details) override {
        notices.push_back({kind, text, details, false});
    }
    bool askYesNo(const QString& text, const QString& details) override {
        notices.push_back({climate::NoticeKind::Confirmation, text, details, true});
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    QStringList texts() const {
        QStringList all;
        for (const auto& n : notices) {
            all << n.text;
        }
        return all;
    }
    std::vector<Notice> notices;
    std::deque<bool> answers;
};

inline std::string readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

inline void writeAll(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

// Every file and folder under `root`, with the files' bytes: two snapshots
// are equal exactly when nothing was created, removed or changed.
inline std::map<QString, std::string> snapshot(const QString& root) {
    std::map<QString, std::string> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries[QDir(root).relativeFilePath(path)] =
            it.fileInfo().isDir() ? std::string("<dir>") : readAll(path);
    }
    return entries;
}

// Windows-1252 bytes of a UTF-8 literal.
inline std::string cp1252(const char* utf8) {
    return climate::utf8ToWindows1252(utf8);
}

// An import source: four header lines and one data line per hour (hour
// numbered 1 to 24), 18 fields, from 1 January.
struct SourceOptions {
    std::string location = "Porto Alegre,-30.03,-51.22";  // line 1, UTF-8
    int days = 365;
    bool paddedMonths = false;  // "09" instead of "9"
};

inline constexpr int kMonthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The data line (from 0) of a date and hour in a generated source.
inline int dataLineOf(int month, int day, int hour) {
    for (int m = 1; m < month; ++m) {
        day += kMonthLengths[m - 1];
    }
    return (day - 1) * 24 + hour - 1;
}

// The lines in UTF-8. Field 3 is the temperature, 11 and 12 the wind, 15 and
// 17 the radiation, all varying with the line.
inline std::vector<std::string> sourceLines(const SourceOptions& options) {
    std::vector<std::string> lines{
        "Localização,Latitude,Longitude",
        options.location,
        "Estação automática — dados horários",
        "Mês,Dia,Hora,TBS,TBU,UR,PA,NEB,PREC,F9,F10,VelVento,DirVento,F13,F14,RadGlobal,"
        "RadDifusa,RadDireta",
    };
    for (int n = 0; n < options.days * 24; ++n) {
        int month = 1;
        int day = n / 24 + 1;
        for (; day > kMonthLengths[month - 1]; ++month) {
            day -= kMonthLengths[month - 1];
        }
        const int hour = n % 24 + 1;
        char line[256];
        std::snprintf(
            line, sizeof line, "%s%d,%d,%d,%d.5,%d,%d,%d,%d,%d,%d,%d,%d.%d,%d,1,2,%d,50,%d",
            options.paddedMonths && month < 10 ? "0" : "", month, day, hour, 15 + n % 17,
            (n + 4) % 9, (n + 5) % 9, (n + 6) % 9, (n + 7) % 9, (n + 8) % 9, n % 9, (n + 1) % 9,
            n % 7, n % 2 * 5, n * 37 % 361, hour >= 6 && hour <= 18 ? 100 + n % 700 : 0,
            hour >= 7 && hour <= 17 ? 200 + n % 500 : 0);
        lines.push_back(line);
    }
    return lines;
}

inline std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// The source as Windows-1252 bytes with CR LF.
inline std::string sourceBytes(const SourceOptions& options) {
    return climate::utf8ToWindows1252(joinCrLf(sourceLines(options)));
}
