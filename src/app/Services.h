// What the windows need from outside: where the city database lives and the
// dialogs they show. The program passes the real ones; tests pass recording
// ones and a temporary database folder.
#pragma once

#include <QString>

class Dialogs;

struct Services {
    // The folder of Latitudes.csv and cidades/, normally the executable's.
    QString baseDirectory;
    Dialogs* dialogs = nullptr;
};
