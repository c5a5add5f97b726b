// How the program was asked to start, read from its arguments before the
// application object exists, so that --help, --version and a refusal need no
// display:
//
//   Help, Version  print and end (status 0)
//   Command        one of the program's own options is named (or an unknown
//                  --option, which the command line refuses): no window
//   Window         Qt's own options (-platform, -style, ...) pass to Qt;
//                  --database DIR and one .epw or .csv file are the window's
//   Refused        an argument the window cannot take (status 2)
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

enum class LaunchMode { Window, Command, Help, Version, Refused };

struct Launch {
    LaunchMode mode = LaunchMode::Window;
    // --database DIR, for the window and every command.
    std::optional<QString> databaseFolder;
    // Window: a climate file to open in the import window (an absolute path).
    std::optional<QString> importFile;
    // Refused: the line for stderr.
    QString refusal;
};

// arguments[0] is the program.
Launch classifyLaunch(const QStringList& arguments);

// The arguments without --database and its value, for the command line.
QStringList withoutDatabaseOption(QStringList arguments);

// Help, Version and Refused print what they print and give the exit status;
// the other modes give nothing and the program goes on.
std::optional<int> answerWithoutStarting(const Launch& launch);
