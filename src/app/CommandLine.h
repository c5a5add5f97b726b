// The headless command line of ZENITA (export of pictures, import of cities).
// With one of its options the program runs the command and exits: 0 on
// success, 2 on a bad option or a refused input (LaunchArguments.h decides
// when the command line runs).
#pragma once

#include <QStringList>

// The names of the command line's options, the commands among them.
QStringList commandLineOptionNames();
// Selects a platform that needs no display, unless one was chosen already.
void prepareHeadless();
// Runs the command line (arguments()[0] is the program) against the city
// database beside the executable; returns the exit status.
int runCommandLine(const QStringList& arguments);
// The same against the city database in baseDirectory.
int runCommandLine(const QStringList& arguments, const QString& baseDirectory);
