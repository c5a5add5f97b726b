// Start-up of ZENITA: the application object, the number conventions, the
// windows in their order, the splash, and the message loop. Named with one of
// the program's commands it runs headless instead and opens no window
// (LaunchArguments.h tells the cases apart).
#pragma once

// Fixes "." as the decimal separator for every conversion, whatever the
// machine's locale (QGuiApplication reads the system locale when it starts).
void fixNumberLocale();

int runZenita(int argc, char** argv);
