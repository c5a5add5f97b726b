// What the windows need from outside: where the city database lives, the
// dialogs they show, the file-open dialog, the printer and the clipboard. The
// program passes the real ones; tests pass recording ones and a temporary
// database folder.
#pragma once

#include <QString>

class Dialogs;
class FileChooser;
namespace output {
class Printer;
class Clipboard;
}  // namespace output

struct Services {
    // The folder of Latitudes.csv and cidades/, normally the executable's.
    QString baseDirectory;
    Dialogs* dialogs = nullptr;
    output::Printer* printer = nullptr;
    output::Clipboard* clipboard = nullptr;
    FileChooser* fileChooser = nullptr;
};
