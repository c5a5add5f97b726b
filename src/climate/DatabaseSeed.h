// The first start of an installed ZENITA: the database installed with the
// program is read-only, so the user gets a copy of it in a folder of their
// own, where imports can write.
//
// The copy is built in a hidden folder beside the target and renamed into
// place only once every file is on disk, so a start that is killed half way
// leaves no half database that a later start would take for the user's: the
// next start copies again. A target that exists and is not an empty folder
// is never written to; the user's cities are never overwritten.
#pragma once

#include <QString>

namespace climate {

enum class SeedResult {
    Copied,         // target is now a copy of the shipped database
    AlreadyThere,   // target already held something: left as it was
    NothingToCopy,  // the shipped folder holds no index: nothing done
};

// Copies the index, cidades/ and, as they go with the data, the licences and
// notes of the shipped database into target. Throws FileWriteError (or
// FileReadError) naming the file or folder that failed; target is then as it
// was and no staging folder is left.
SeedResult seedDatabase(const QString& shippedFolder, const QString& targetFolder);

}  // namespace climate
