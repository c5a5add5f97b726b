#include "climate/FileTransaction.h"

#include "climate/ClimateErrors.h"
#include "climate/FileSystem.h"
#include "climate/TextFile.h"

#include <QFileInfo>

#include <unistd.h>
#include <exception>
#include <set>

namespace climate {

namespace {

bool isReadOnly(const QString& file, unsigned mode) {
    // The mode bits count for root too, whom access() lets write anything.
    return (mode & 0222) == 0 || ::access(nativePath(file).constData(), W_OK) != 0;
}

std::set<QString> foldersOf(const Journal& journal) {
    std::set<QString> folders;
    for (const JournalEntry& entry : journal) {
        folders.insert(QFileInfo(entry.target).absolutePath());
    }
    return folders;
}

void syncFolders(const std::set<QString>& folders, const StepHook& step) {
    for (const QString& folder : folders) {
        syncFolder(folder);
        step();
    }
}

// Puts every target back and throws the failure.
[[noreturn]] void rollBackAndRethrow(const Journal& journal, const QString& databaseFolder,
                                     const std::exception_ptr& failure) {
    try {
        rollBackCommit(journal, databaseFolder);
    } catch (const ClimateError& restore) {
        try {
            std::rethrow_exception(failure);
        } catch (const ClimateError& error) {
            throw FileWriteError(error.reason() + " Não foi possível restaurar os arquivos (" +
                                     restore.reason() +
                                     "); eles serão restaurados quando o ZENITA abrir de novo.",
                                 error.file(), error.line());
        }
    }
    std::rethrow_exception(failure);
}

}  // namespace

FileTransaction::FileTransaction(QString databaseFolder)
    : databaseFolder_(std::move(databaseFolder)) {}

void FileTransaction::add(const QString& path, std::string bytes,
                          std::optional<std::optional<std::string>> basedOn) {
    targets_.push_back({path, std::move(bytes), std::move(basedOn)});
}

void FileTransaction::step() const {
    if (afterStep_) {
        afterStep_();
    }
}

Journal FileTransaction::plan() {
    Journal journal;
    for (Target& target : targets_) {
        JournalEntry entry;
        entry.target = QFileInfo(target.path).absoluteFilePath();
        FileStatus status = fileStatus(entry.target);
        if (status.isSymLink) {
            entry.target = QFileInfo(entry.target).canonicalFilePath();
            if (entry.target.isEmpty()) {
                throw FileWriteError("é um atalho para um arquivo que não existe.", target.path);
            }
            status = fileStatus(entry.target);
        }
        if (status.isFolder) {
            throw FileWriteError("é uma pasta, não um arquivo.", target.path);
        }
        if (status.exists && !status.isRegular) {
            throw FileWriteError("não é um arquivo comum.", target.path);
        }
        if (target.basedOn) {
            // Under the folder's lock: no other commit can change it from here on.
            const std::optional<std::string> now =
                status.exists ? std::optional(readFileBytes(entry.target)) : std::nullopt;
            if (now != *target.basedOn) {
                throw FileWriteError(
                    "o arquivo foi alterado por outro programa durante a gravação; nada foi "
                    "alterado. Tente de novo.",
                    target.path);
            }
        }
        if (status.exists && isReadOnly(entry.target, status.mode)) {
            throw FileWriteError(
                "o arquivo é somente leitura; nada foi alterado. Para alterá-lo, dê "
                "permissão de gravação ao arquivo.",
                target.path);
        }
        // The new file keeps the old one's permissions.
        target.mode = status.exists ? status.mode : 0644;
        entry.temporary = unusedNameBeside(entry.target, "new");
        if (status.exists) {
            entry.backup = unusedNameBeside(entry.target, "old");
        }
        journal.push_back(std::move(entry));
    }
    return journal;
}

void FileTransaction::commit() {
    const FolderLock lock(databaseFolder_, FolderLock::Mode::Wait);
    // A commit cut short by a crash is settled before this one may use the journal.
    settleLeftJournal(databaseFolder_);
    const Journal journal = plan();
    const StepHook step = [this] { this->step(); };
    std::set<QString> folders = foldersOf(journal);
    bool committed = false;
    try {
        for (std::size_t i = 0; i < targets_.size(); ++i) {
            const FileDescriptor file =
                createExclusive(journal[i].temporary, targets_[i].mode, targets_[i].path);
            step();
            writeAll(file, targets_[i].bytes, targets_[i].path);
            step();
            syncFile(file, targets_[i].path);
            step();
        }
        for (std::size_t i = 0; i < targets_.size(); ++i) {
            if (!journal[i].backup.isEmpty()) {
                linkFile(journal[i].target, journal[i].backup, targets_[i].path);
                step();
            }
        }
        writeJournal(journal, databaseFolder_, step);
        std::set<QString> withJournal = folders;
        withJournal.insert(QFileInfo(journalPath(databaseFolder_)).absolutePath());
        syncFolders(withJournal, step);
        for (std::size_t i = 0; i < targets_.size(); ++i) {
            renameReplacing(journal[i].temporary, journal[i].target, targets_[i].path);
            step();
        }
        syncFolders(folders, step);
        removeFile(journalPath(databaseFolder_), journalPath(databaseFolder_));
        committed = true;
        step();
        syncFolder(databaseFolder_);
        step();
    } catch (...) {
        // Once the journal is gone, the commit has happened; a failure to
        // sync after it is no reason to undo it.
        if (!committed) {
            rollBackAndRethrow(journal, databaseFolder_, std::current_exception());
        }
    }
    // The old files are no longer needed. A backup left by a failure here is
    // a leftover that the next recovery removes.
    for (const JournalEntry& entry : journal) {
        if (!entry.backup.isEmpty()) {
            try {
                removeFile(entry.backup, entry.target);
                step();
            } catch (const ClimateError&) {
            }
        }
    }
    targets_.clear();
}

}  // namespace climate
