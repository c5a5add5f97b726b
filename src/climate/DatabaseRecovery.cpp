#include "climate/DatabaseRecovery.h"

#include "climate/CityDatabase.h"
#include "climate/CommitJournal.h"
#include "climate/FileSystem.h"

#include <QDir>
#include <QFileInfo>

namespace climate {

namespace {

// Removes the files of `folder` that isLeftoverName(name, targetName) picks.
void removeLeftovers(const QString& folder, const QString& targetName = {}) {
    bool removed = false;
    const QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        const QString path = folder + u'/' + name;
        if (isLeftoverName(name, targetName) && fileStatus(path).isRegular) {
            removeFile(path, path);
            removed = true;
        }
    }
    if (removed) {
        syncFolder(folder);
    }
}

// A commit writes through a link: the temporary and backup of a linked index
// or city file lie beside the file it links to.
void removeLeftoversBesideLinkTargets(const QString& folder) {
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        if (info.isSymLink() && !info.canonicalFilePath().isEmpty()) {
            const QFileInfo target(info.canonicalFilePath());
            removeLeftovers(target.absolutePath(), target.fileName());
        }
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
    const QString base = QDir(databaseFolder).absolutePath();
    for (const QString& folder : {base, citiesFolderPath(base)}) {
        removeLeftovers(folder);
        removeLeftoversBesideLinkTargets(folder);
    }
}

}  // namespace climate
