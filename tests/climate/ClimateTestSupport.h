// Helpers of the climate tests: a notifier that records, a snapshot of a
// database folder, and a generator of import source files.
#pragma once

#include "climate/Notifier.h"
#include "climate/Windows1252.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

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
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
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
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
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
    const QDir base(root);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        entries[base.relativeFilePath(path)] = info.isDir() ? std::string("<dir>") : readAll(path);
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

inline int dayOfYear(int month, int day) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int n = 0;
    for (int m = 1; m < month; ++m) {
        n += lengths[m - 1];
    }
    return n + day - 1;
}

// The data line (from 0) of a date and hour in a generated source.
inline int dataLineOf(int month, int day, int hour) {
    return dayOfYear(month, day) * 24 + hour - 1;
}

// The lines in UTF-8.
inline std::vector<std::string> sourceLines(const SourceOptions& options) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<std::string> lines{
        "Localização,Latitude,Longitude",
        options.location,
        "Estação automática — dados horários",
        "Mês,Dia,Hora,TBS,TBU,UR,PA,NEB,PREC,F9,F10,VelVento,DirVento,F13,F14,RadGlobal,"
        "RadDifusa,RadDireta",
    };
    int n = 0;
    for (int month = 1, done = 0; month <= 12 && done < options.days; ++month) {
        for (int day = 1; day <= lengths[month - 1] && done < options.days; ++day, ++done) {
            for (int hour = 1; hour <= 24; ++hour, ++n) {
                std::string line;
                // Appending piece by piece: "," + to_string(...) trips a false
                // -Wrestrict of GCC 12.
                const auto add = [&line](const std::string& field) {
                    if (!line.empty()) {
                        line.push_back(',');
                    }
                    line.append(field);
                };
                add((options.paddedMonths && month < 10 ? std::string("0") : std::string()) +
                    std::to_string(month));
                add(std::to_string(day));
                add(std::to_string(hour));
                add(std::to_string(15 + n % 17).append(".5"));  // 3 temperature
                for (int f = 4; f <= 10; ++f) {
                    add(std::to_string((n + f) % 9));
                }
                add(std::to_string(n % 7).append(".").append(std::to_string(n % 2 * 5)));  // 11
                add(std::to_string(n * 37 % 361));  // 12 direction
                add("1");
                add("2");
                add(std::to_string(hour >= 6 && hour <= 18 ? 100 + n % 700 : 0));  // 15 global
                add("50");
                add(std::to_string(hour >= 7 && hour <= 17 ? 200 + n % 500 : 0));  // 17 direct
                lines.push_back(line);
            }
        }
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
