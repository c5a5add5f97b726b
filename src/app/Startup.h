// Start-up of ZENITA: the application object, the number conventions, the
// windows in their order, the splash, and the message loop. Named with one of
// the program's commands it runs headless instead and opens no window
// (LaunchArguments.h tells the cases apart).
#pragma once

// Fixes "." as the decimal separator for every conversion, whatever the
// machine's locale (QGuiApplication reads the system locale when it starts).
void fixNumberLocale();

class QApplication;

// What a start sets on the application before a window exists: the number
// conventions, the name, the window font, Qt's Portuguese texts and, when it
// opens windows, the desktop entry and the icon.
void setUpApplication(QApplication& app, bool windows);

int runZenita(int argc, char** argv);
