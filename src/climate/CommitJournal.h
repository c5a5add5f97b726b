// The journal of a commit of several files (FileTransaction): whatever a
// crash leaves on disk, it says how to get back to a whole database.
//
// A commit first writes each new content to a temporary file beside its
// target and keeps each old file under a backup name (a second hard link),
// all synced. Then it writes the journal, ".zenita-journal" in the database
// folder, which names every target (relative to that folder) with its
// temporary and backup, and syncs it and the folders. Only then are the
// targets replaced, one rename each; their folders are synced and the
// journal is removed and its removal synced: that is the commit point. The
// backups go last.
//
// So a journal on disk means that some targets may be replaced and others
// not: settling it rolls the commit back (each target as before, from its
// backup; a new one removed), then removes it. A journal cut short while
// it was written (no final "end" line) was written before any rename and is
// simply removed. Temporaries and backups without a journal are leftovers.
//
// Names of our own making, never a person's: the temporary of "x.csv" is
// ".x.csv.new-XXXXXX", its backup ".x.csv.old-XXXXXX" (XXXXXX six letters or
// digits).
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climate {

// How many bytes the name of a temporary or backup adds to its target's.
inline constexpr int kAddedNameBytes = 12;

struct JournalEntry {
    QString target;     // absolute, links resolved
    QString temporary;  // absolute, beside the target
    QString backup;     // absolute, beside the target; empty: the target is new
};

using Journal = std::vector<JournalEntry>;

// Called after each step that changes the disk: a seam for tests that stop a
// commit at any step.
using StepHook = std::function<void()>;

QString journalPath(const QString& databaseFolder);
// A name beside `target` for a temporary ("new") or a backup ("old") that
// no file has yet.
QString unusedNameBeside(const QString& target, std::string_view kind);
// True for a name a commit gives the temporary or backup of a file named
// `targetName` (or that of any ".csv" file when targetName is empty), and
// for the backups the previous way of committing left (".x.csv.old-" and up
// to seven letters or digits). Only these may a recovery remove.
bool isLeftoverName(const QString& fileName, const QString& targetName = {});

std::string encodeJournal(const Journal& journal, const QString& databaseFolder);
// The journal, or nothing for one cut short while it was written. Throws
// FormatError naming the line of a journal that is not one of ours or names
// a temporary or backup that is not beside its target.
std::optional<Journal> decodeJournal(std::string_view bytes, const QString& databaseFolder);

// Writes the journal and syncs it (not yet its folder).
void writeJournal(const Journal& journal, const QString& databaseFolder, const StepHook& step);

// Rolls the commit back: each target as before (from its backup, or removed
// when it is new), the temporaries and backups gone, the folders synced,
// the journal file removed. Throws FileWriteError when a step fails; the
// journal then stays for the next try.
void rollBackCommit(const Journal& journal, const QString& databaseFolder);
// Rolls back the commit whose journal a crash left in the folder, if any.
void settleLeftJournal(const QString& databaseFolder);

}  // namespace climate
