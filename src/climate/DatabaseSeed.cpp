#include "climate/DatabaseSeed.h"

#include "climate/ClimateErrors.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace climate {

namespace {

// What makes up a database, as the build lays it out and the install ships it.
const char* const kDatabaseEntries[] = {"Latitudes.csv", "cidades", "licenses", "README.md"};

// A staging folder this old was left by a start that was killed: no live
// start takes that long to copy a few megabytes.
constexpr qint64 kStaleStagingSeconds = 3600;

QString stagingPrefix(const QFileInfo& target) {
    return QStringLiteral(".") + target.fileName() + QStringLiteral("-copia-");
}

void syncPath(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void copyFile(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        throw FileReadError("não foi possível ler o arquivo (" + in.errorString().toStdString() + ").",
                            from);
    }
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        throw FileWriteError(
            "não foi possível criar o arquivo (" + out.errorString().toStdString() + ").", to);
    }
    char buffer[1 << 16];
    for (qint64 n; (n = in.read(buffer, sizeof buffer)) > 0;) {
        if (out.write(buffer, n) != n) {
            throw FileWriteError(
                "não foi possível gravar o arquivo (" + out.errorString().toStdString() + ").", to);
        }
    }
    if (in.error() != QFileDevice::NoError) {
        throw FileReadError("não foi possível ler o arquivo (" + in.errorString().toStdString() + ").",
                            from);
    }
    if (!out.flush() || ::fsync(out.handle()) != 0) {
        throw FileWriteError("não foi possível gravar o arquivo no disco.", to);
    }
}

// Regular files and folders only: a shipped database holds nothing else, and
// a link could lead the copy anywhere.
void copyEntry(const QFileInfo& from, const QString& to) {
    if (from.isSymLink() || !(from.isFile() || from.isDir())) {
        throw FileReadError("não é um arquivo comum nem uma pasta.", from.filePath());
    }
    if (from.isFile()) {
        copyFile(from.filePath(), to);
        return;
    }
    if (!QDir().mkdir(to)) {
        throw FileWriteError("não foi possível criar a pasta.", to);
    }
    const QFileInfoList entries = QDir(from.filePath()).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        copyEntry(entry, to + u'/' + entry.fileName());
    }
    syncPath(to);
}

void removeStaleStaging(const QFileInfo& target) {
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addSecs(-kStaleStagingSeconds);
    const QFileInfoList leftovers = QDir(target.absolutePath())
                                        .entryInfoList({stagingPrefix(target) + u'*'},
                                                       QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& leftover : leftovers) {
        if (leftover.lastModified().toUTC() < oldest) {
            QDir(leftover.filePath()).removeRecursively();
        }
    }
}

bool holdsSomething(const QString& folder) {
    return !QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                 QDir::System);
}

}  // namespace

SeedResult seedDatabase(const QString& shippedFolder, const QString& targetFolder) {
    const QFileInfo target(targetFolder);
    if (target.exists() || target.isSymLink()) {
        if (!target.isDir()) {
            throw FileWriteError("existe e não é uma pasta.", targetFolder);
        }
        if (holdsSomething(targetFolder)) {
            return SeedResult::AlreadyThere;
        }
    }
    if (!QFileInfo(shippedFolder + QStringLiteral("/Latitudes.csv")).isFile()) {
        return SeedResult::NothingToCopy;
    }
    const QString parent = target.absolutePath();
    if (!QDir().mkpath(parent)) {
        throw FileWriteError("não foi possível criar a pasta.", parent);
    }
    removeStaleStaging(target);

    QTemporaryDir staging(parent + u'/' + stagingPrefix(target) + QStringLiteral("XXXXXX"));
    if (!staging.isValid()) {
        throw FileWriteError("não foi possível criar a pasta (" + staging.errorString().toStdString() +
                                 ").",
                             parent);
    }
    for (const char* name : kDatabaseEntries) {
        const QFileInfo entry(shippedFolder + u'/' + QLatin1String(name));
        if (entry.exists() || entry.isSymLink()) {
            copyEntry(entry, staging.filePath(QLatin1String(name)));
        }
    }
    syncPath(staging.path());

    // rename() puts the whole copy in place at once; it also replaces an
    // empty folder, and refuses one that another start has just filled.
    if (std::rename(QFile::encodeName(staging.path()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        if (errno == ENOTEMPTY || errno == EEXIST) {
            return SeedResult::AlreadyThere;
        }
        throw FileWriteError(std::string("não foi possível criar a pasta (") + std::strerror(errno) +
                                 ").",
                             targetFolder);
    }
    staging.setAutoRemove(false);
    syncPath(parent);
    return SeedResult::Copied;
}

}  // namespace climate
