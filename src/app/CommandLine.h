// The headless command line of ZENITA (export of pictures, import of cities).
// Without options the program opens its window; with any option it runs the
// command and exits: 0 on success, 2 on a bad option or a refused input.
#pragma once

#include <QStringList>

// True when the program was started with options.
bool isCommandLineRun(int argc, char** argv);
// Selects a platform that needs no display, unless one was chosen already.
void prepareHeadless();
// Runs the command line (arguments()[0] is the program) against the city
// database beside the executable; returns the exit status.
int runCommandLine(const QStringList& arguments);
// The same against the city database in baseDirectory.
int runCommandLine(const QStringList& arguments, const QString& baseDirectory);
