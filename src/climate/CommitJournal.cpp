#include "climate/CommitJournal.h"

#include "climate/ClimateErrors.h"
#include "climate/FileSystem.h"
#include "climate/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <set>

namespace climate {

namespace {

constexpr std::string_view kJournalName = ".zenita-journal";
constexpr std::string_view kHeader = "ZENITA journal 1";
constexpr std::string_view kEnd = "end";
constexpr int kUniqueLength = 6;

// Tabs, line breaks and other control bytes of a path written as %XX.
std::string escaped(const QString& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : nativePath(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || byte == '%') {
            out.push_back('%');
            out.push_back(hex[byte >> 4]);
            out.push_back(hex[byte & 15]);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::optional<QString> unescaped(std::string_view text) {
    QByteArray bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes.push_back(text[i]);
            continue;
        }
        bool ok = false;
        const int byte =
            i + 2 < text.size() ? QByteArray(text.data() + i + 1, 2).toInt(&ok, 16) : 0;
        if (!ok) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(byte));
        i += 2;
    }
    return QFile::decodeName(bytes);
}

// "." + target's name + "." + kind + "-" + six letters or digits.
bool isMadeNameOf(const QString& name, const QString& targetName, const char* kind) {
    const QString prefix = u'.' + targetName + u'.' + QLatin1String(kind) + u'-';
    if (!name.startsWith(prefix) || name.size() != prefix.size() + kUniqueLength) {
        return false;
    }
    return std::all_of(name.begin() + prefix.size(), name.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

[[noreturn]] void malformed(const QString& databaseFolder, int line) {
    throw FormatError(
        "o diário de alterações do banco de dados de cidades não é legível; confira o "
        "banco de dados e remova o arquivo.",
        journalPath(databaseFolder), line);
}

void restoreTargets(const Journal& journal) {
    for (auto it = journal.rbegin(); it != journal.rend(); ++it) {
        if (!it->backup.isEmpty()) {
            if (fileStatus(it->backup).exists) {
                // When the target still is the backup's file, the rename does
                // nothing and the backup's name is left for removeFile.
                renameReplacing(it->backup, it->target, it->target);
                removeFile(it->backup, it->target);
            }
        } else if (!fileStatus(it->temporary).exists) {
            // A new target that a rename may have made: the temporary is gone.
            removeFile(it->target, it->target);
        }
        removeFile(it->temporary, it->target);
    }
}

}  // namespace

QString journalPath(const QString& databaseFolder) {
    return QDir(databaseFolder).filePath(QString::fromLatin1(kJournalName));
}

QString unusedNameBeside(const QString& target, std::string_view kind) {
    static const char alphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const QFileInfo info(target);
    for (;;) {
        QString unique;
        for (int i = 0; i < kUniqueLength; ++i) {
            unique.append(QLatin1Char(alphabet[QRandomGenerator::global()->bounded(62)]));
        }
        const QString candidate = info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                  u'.' + QLatin1String(kind.data(), kind.size()) + u'-' + unique;
        if (!fileStatus(candidate).exists) {
            return candidate;
        }
    }
}

bool isLeftoverName(const QString& fileName, const QString& targetName) {
    if (!targetName.isEmpty()) {
        return isMadeNameOf(fileName, targetName, "new") ||
               isMadeNameOf(fileName, targetName, "old");
    }
    static const QRegularExpression pattern(
        QStringLiteral("^\\..+\\.csv\\.(new-[0-9A-Za-z]{6}|old-[0-9A-Za-z]{1,7})$"));
    return pattern.match(fileName).hasMatch();
}

std::string encodeJournal(const Journal& journal, const QString& databaseFolder) {
    const QDir folder(databaseFolder);
    std::string text(kHeader);
    text.append("\n");
    for (const JournalEntry& entry : journal) {
        text.append(escaped(folder.relativeFilePath(entry.target)))
            .append("\t")
            .append(escaped(QFileInfo(entry.temporary).fileName()))
            .append("\t")
            .append(entry.backup.isEmpty() ? std::string("-")
                                           : escaped(QFileInfo(entry.backup).fileName()))
            .append("\n");
    }
    text.append(kEnd).append("\n");
    return text;
}

std::optional<Journal> decodeJournal(std::string_view bytes, const QString& databaseFolder) {
    const std::vector<std::string> lines = splitLines(bytes);
    if (lines.empty() || (lines.size() == 1 && kHeader.substr(0, lines[0].size()) == lines[0])) {
        return std::nullopt;  // cut short within its first line
    }
    if (lines[0] != kHeader) {
        malformed(databaseFolder, 1);
    }
    if (lines.back() != kEnd) {
        return std::nullopt;  // cut short: written before any target was touched
    }
    Journal journal;
    const QDir folder(databaseFolder);
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        std::vector<std::string_view> fields;
        for (std::string_view rest = lines[i];;) {
            const std::size_t tab = rest.find('\t');
            fields.push_back(rest.substr(0, tab));
            if (tab == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(tab + 1);
        }
        if (fields.size() != 3) {
            malformed(databaseFolder, lineNumber);
        }
        const auto target = unescaped(fields[0]);
        const auto temporary = unescaped(fields[1]);
        const auto backup =
            fields[2] == "-" ? std::optional<QString>(QString()) : unescaped(fields[2]);
        if (!target || !temporary || !backup || target->isEmpty()) {
            malformed(databaseFolder, lineNumber);
        }
        JournalEntry entry;
        entry.target = QDir::cleanPath(folder.absoluteFilePath(*target));
        const QFileInfo targetInfo(entry.target);
        // Only names a commit makes, beside the target: a damaged or foreign
        // journal must not move or remove anything else.
        if (!isMadeNameOf(*temporary, targetInfo.fileName(), "new") ||
            (!backup->isEmpty() && !isMadeNameOf(*backup, targetInfo.fileName(), "old"))) {
            malformed(databaseFolder, lineNumber);
        }
        entry.temporary = targetInfo.absolutePath() + u'/' + *temporary;
        if (!backup->isEmpty()) {
            entry.backup = targetInfo.absolutePath() + u'/' + *backup;
        }
        journal.push_back(std::move(entry));
    }
    return journal;
}

void writeJournal(const Journal& journal, const QString& databaseFolder, const StepHook& step) {
    const QString path = journalPath(databaseFolder);
    const FileDescriptor file = createExclusive(path, 0644, path);
    step();
    writeAll(file, encodeJournal(journal, databaseFolder), path);
    step();
    syncFile(file, path);
    step();
}

void rollBackCommit(const Journal& journal, const QString& databaseFolder) {
    restoreTargets(journal);
    std::set<QString> folders;
    for (const JournalEntry& entry : journal) {
        folders.insert(QFileInfo(entry.target).absolutePath());
    }
    for (const QString& folder : folders) {
        syncFolder(folder);
    }
    removeFile(journalPath(databaseFolder), journalPath(databaseFolder));
    syncFolder(databaseFolder);
}

void settleLeftJournal(const QString& databaseFolder) {
    const QString path = journalPath(databaseFolder);
    if (!fileStatus(path).exists) {
        return;
    }
    if (const std::optional<Journal> journal = decodeJournal(readFileBytes(path), databaseFolder)) {
        rollBackCommit(*journal, databaseFolder);
    } else {
        removeFile(path, path);
        syncFolder(databaseFolder);
    }
}

}  // namespace climate
