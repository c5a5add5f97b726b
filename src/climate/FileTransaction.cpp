#include "climate/FileTransaction.h"

#include "climate/ClimateErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace climate {

namespace {

std::string systemError() {
    return std::strerror(errno);
}

// rename() replaces an existing file atomically on POSIX; QFile::rename refuses to.
bool renameOver(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A hidden name in the target's folder, so that whatever a crash leaves
// behind does not look like a city file.
QString unusedNameBeside(const QString& path, const QString& tag) {
    const QFileInfo info(path);
    for (;;) {
        const QString candidate = info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                  tag + QString::number(QRandomGenerator::global()->generate(), 36);
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink()) {
            return candidate;
        }
    }
}

// A second name for the old file, so it can be put back by a rename. A hard
// link costs nothing; where links are not supported, a copy.
bool keepOldFile(const QString& path, const QString& backup) {
#ifdef Q_OS_UNIX
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(backup).constData()) == 0) {
        return true;
    }
#endif
    return QFile::copy(path, backup);
}

}  // namespace

void FileTransaction::add(const QString& path, std::string bytes) {
    targets_.push_back({path, std::move(bytes), {}, {}, false});
}

void FileTransaction::stage(Target& target) {
    const QFileInfo info(target.path);
    // QTemporaryFile replaces the run of six capital X ending the name.
    const QString uniquePart(6, QLatin1Char('X'));
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' +
                        uniquePart);
    file.setAutoRemove(false);
    if (!file.open()) {
        throw FileWriteError("não foi possível criar o arquivo temporário na pasta (" +
                                 file.errorString().toStdString() + ").",
                             target.path);
    }
    target.temporary = file.fileName();
    const auto size = static_cast<qint64>(target.bytes.size());
    const bool written = file.write(target.bytes.data(), size) == size && file.flush();
#ifdef Q_OS_UNIX
    const bool synced = written && ::fsync(file.handle()) == 0;
#else
    const bool synced = written;
#endif
    if (!synced) {
        throw FileWriteError(
            "não foi possível gravar o arquivo (" + file.errorString().toStdString() + ").",
            target.path);
    }
    file.close();
    // The new file keeps the old one's permissions; a new one gets the usual rw-r--r--.
    const QFileDevice::Permissions permissions =
        info.exists() && info.isFile() ? QFile::permissions(target.path)
                                       : (QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QFile::setPermissions(target.temporary, permissions);
}

void FileTransaction::replace(Target& target) {
    const QFileInfo info(target.path);
    if (info.exists() || info.isSymLink()) {
        target.backup = unusedNameBeside(target.path, QStringLiteral(".old-"));
        if (!keepOldFile(target.path, target.backup)) {
            target.backup.clear();
            throw FileWriteError(
                "não foi possível guardar uma cópia do arquivo antes de "
                "substituí-lo.",
                target.path);
        }
    }
    if (beforeReplace_) {
        beforeReplace_(target.path);
    }
    if (!renameOver(target.temporary, target.path)) {
        throw FileWriteError("não foi possível substituir o arquivo (" + systemError() + ").",
                             target.path);
    }
    target.temporary.clear();
    target.replaced = true;
}

QStringList FileTransaction::rollBack() {
    QStringList failed;
    for (auto it = targets_.rbegin(); it != targets_.rend(); ++it) {
        if (!it->replaced) {
            continue;
        }
        const bool restored =
            it->backup.isEmpty() ? QFile::remove(it->path) : renameOver(it->backup, it->path);
        if (restored) {
            it->backup.clear();
            it->replaced = false;
        } else {
            failed << it->path;
        }
    }
    return failed;
}

void FileTransaction::removeLeftovers() {
    for (auto& target : targets_) {
        if (!target.temporary.isEmpty()) {
            QFile::remove(target.temporary);
            target.temporary.clear();
        }
        // A backup still needed by a failed restore stays for the user to find.
        if (!target.backup.isEmpty() && !target.replaced) {
            QFile::remove(target.backup);
            target.backup.clear();
        }
    }
}

void FileTransaction::commit() {
    try {
        for (auto& target : targets_) {
            stage(target);
        }
        for (auto& target : targets_) {
            replace(target);
        }
    } catch (const ClimateError& error) {
        const QStringList unrestored = rollBack();
        removeLeftovers();
        if (unrestored.isEmpty()) {
            throw FileWriteError(error.reason(), error.file(), error.line());
        }
        throw FileWriteError(error.reason() + " Não foi possível restaurar: " +
                                 unrestored.join(QStringLiteral(", ")).toStdString() + ".",
                             error.file(), error.line());
    } catch (...) {
        rollBack();
        removeLeftovers();
        throw;
    }
    // Every target replaced: the old files are no longer needed.
    for (auto& target : targets_) {
        target.replaced = false;
    }
    removeLeftovers();
    targets_.clear();
}

}  // namespace climate
