#include "climate/DatabaseRecovery.h"

#include "climate/CityDatabase.h"
#include "climate/CommitJournal.h"
#include "climate/FileSystem.h"

#include <QDir>
#include <QFileInfo>

namespace climate {

namespace {

void removeLeftovers(const QString& folder) {
    bool removed = false;
    const QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        const QString path = folder + u'/' + name;
        if (isLeftoverName(name) && fileStatus(path).isRegular) {
            removeFile(path, path);
            removed = true;
        }
    }
    if (removed) {
        syncFolder(folder);
    }
}

}  // namespace

void recoverDatabase(const QString& databaseFolder) {
    if (!QFileInfo(databaseFolder).isDir()) {
        return;
    }
    const FolderLock lock(databaseFolder, FolderLock::Mode::TryOnly);
    if (!lock.acquired()) {
        return;
    }
    settleLeftJournal(databaseFolder);
    removeLeftovers(QDir(databaseFolder).absolutePath());
    removeLeftovers(citiesFolderPath(QDir(databaseFolder).absolutePath()));
}

}  // namespace climate
