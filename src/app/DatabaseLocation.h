// Where the city database lives. The window and every command open it
// through openDatabaseFolder(), the one place where the folder is decided:
// a step that must run whenever the database is opened belongs there.
//
//   --database DIR                that folder, as it is, for every command
//   run from the build folder     the database beside the executable, where
//                                 the build copies it (README's run command)
//   installed                     the executable's folder holds no database or
//                                 cannot be written: the user's data folder
//                                 (~/.local/share/zenita under XDG), filled on
//                                 the first start with a copy of the database
//                                 installed with the program (share/zenita)
#pragma once

#include <QString>

#include <optional>
#include <stdexcept>

// The folders the decision looks at.
struct DatabasePlaces {
    QString executableFolder;
    bool executableFolderWritable = false;
    // The database installed with the program; it need not exist.
    QString shippedFolder;
    // The user's own database; empty when the system gives no data folder.
    QString userFolder;
};

// The places of the running program: its folder, share/zenita beside its
// bin/, and zenita/ in the user's data folder ($XDG_DATA_HOME, by default
// ~/.local/share).
DatabasePlaces runningPlaces();

struct DatabaseFolder {
    QString path;
    // Set when the user's folder could not be made: path is then the
    // installed database, which can be read but not added to, and this is the
    // message that says so.
    QString warning;
};

// --database names no folder; what() is the line for stderr.
class BadDatabaseFolder : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The database folder of this start; explicitFolder is --database's value.
DatabaseFolder openDatabaseFolder(const std::optional<QString>& explicitFolder,
                                  const DatabasePlaces& places);
