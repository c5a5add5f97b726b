// Brings a city database folder back to a whole state after a change was
// cut short (the program killed, the power gone): the journal a commit left
// is rolled back (CommitJournal.h), and the temporaries and backups of our
// own naming are removed: in the folder, in cidades/, and beside the files
// that the links among them point to. Nothing else is touched.
//
// Run it on the folder before the database is first read or written: the
// window's first city list, every command that reads the database. It costs
// a lock and a look at two folders when nothing was left. A commit running in
// another process is left alone (it settles its own journal).
#pragma once

#include <QString>

namespace climate {

// Throws ClimateError when the journal cannot be read or settled; it then
// stays for the next try and the database is read as it stands.
void recoverDatabase(const QString& databaseFolder);

}  // namespace climate
