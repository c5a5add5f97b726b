// The journal of a commit of several files (FileTransaction): whatever a
// crash leaves on disk, it says how to get back to a whole database.
//
// It lives in the database folder as ".zenita-journal" and names, for each
// file the commit replaces, the target (relative to the database folder), its
// new content's temporary file and, when the target existed, the backup that
// keeps the old file (a second hard link), both beside the target. It moves
// through three phases, each on disk (file and folder synced) before the
// step that needs it:
//
//   prepare   written first: temporaries and backups are being made; no
//             target has changed.
//   replace   every temporary and backup is on disk; the targets are being
//             replaced, one rename each.
//   done      every target is replaced (the commit point); the backups are
//             being removed.
//
// Settling a journal rolls prepare and replace back (each target as before,
// from its backup, a new one removed) and rolls done forward (the backups
// removed); then the journal goes. The journal is itself replaced by a
// rename, so it is never seen half written.
//
// Names of our own making, never a person's: the temporary of "x.csv" is
// ".x.csv.new-XXXXXX", its backup ".x.csv.old-XXXXXX", the journal's own
// temporary ".zenita-journal.new-XXXXXX" (XXXXXX six letters or digits).
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

enum class CommitPhase { Prepare, Replace, Done };

struct JournalEntry {
    QString target;     // absolute, links resolved
    QString temporary;  // absolute, beside the target
    QString backup;     // absolute, beside the target; empty: the target is new
};

struct Journal {
    CommitPhase phase = CommitPhase::Prepare;
    std::vector<JournalEntry> entries;
};

// Called after each step that changes the disk: a seam for tests that stop a
// commit at any step.
using StepHook = std::function<void()>;

QString journalPath(const QString& databaseFolder);
// A name beside `target` for a temporary ("new") or a backup ("old") that
// no file has yet.
QString unusedNameBeside(const QString& target, std::string_view kind);
// True for the names a commit gives its temporaries and backups (and those
// the previous way of committing left), which a recovery may remove.
bool isLeftoverName(const QString& fileName);

std::string encodeJournal(const Journal& journal, const QString& databaseFolder);
// Throws FormatError naming the line of a journal that is not one of ours
// or names a temporary or backup that is not beside its target.
Journal decodeJournal(std::string_view bytes, const QString& databaseFolder);

// Writes the journal with its phase: to a temporary, synced, renamed over
// the journal, the folder synced.
void writeJournal(const Journal& journal, const QString& databaseFolder, const StepHook& step);

// Rolls the journal back or forward as its phase says, syncs the folders and
// removes the journal file. Throws FileWriteError when a step fails; the
// journal then stays for the next try.
void settleJournal(const Journal& journal, const QString& databaseFolder);
// Settles the journal that a cut-short commit left in the folder, if any.
void settleLeftJournal(const QString& databaseFolder);

}  // namespace climate
