// Replaces a few files as one unit, so that neither a failure nor a crash at
// any instant (the program killed, the power gone) leaves one of them half
// written or the set out of step: a city's hourly file new and its wind file
// old, or the index naming files that were not written.
//
// commit() works under a journal in the database folder (CommitJournal.h):
// it writes every new content to a temporary file beside its target and
// keeps each old file as a hard link, records its intent in the journal, all
// synced to the disk, then replaces the targets in the order they were added
// (the index last), syncs their folders and removes the journal. A failure
// before that point puts every target back; a crash is put right by the
// next recoverDatabase() (DatabaseRecovery.h).
//
// A target that is a symbolic link is written through: its final file is
// replaced and the link stays. A read-only target, a folder or anything but
// a regular file in a target's place is refused before anything is written.
#pragma once

#include "climate/CommitJournal.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace climate {

class FileTransaction {
public:
    // The journal goes into databaseFolder, where the recovery looks for it.
    explicit FileTransaction(QString databaseFolder);

    // Adds a target and its new content; nothing on disk changes yet. With
    // `basedOn`, the content was computed from the target as it held those
    // bytes (nothing for a missing file): if another process has changed it
    // since, the commit refuses before writing anything, rather than undo
    // that process's work.
    void add(const QString& path, std::string bytes,
             std::optional<std::optional<std::string>> basedOn = std::nullopt);
    // See StepHook. An exception thrown from it fails the commit at that step.
    void setAfterStep(StepHook hook) { afterStep_ = std::move(hook); }
    // Writes and replaces every target, or none: throws FileWriteError (naming
    // the target that failed) with the targets as they were before.
    void commit();

private:
    struct Target {
        QString path;  // as given, for messages
        std::string bytes;
        std::optional<std::optional<std::string>> basedOn;
        unsigned mode = 0644;
    };

    Journal plan();
    void step() const;

    QString databaseFolder_;
    std::vector<Target> targets_;
    StepHook afterStep_;
};

}  // namespace climate
