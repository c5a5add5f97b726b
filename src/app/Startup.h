// Start-up of ZENITA: the application object, the number conventions, the
// windows in their order, the splash, and the message loop. With command-line
// options the program runs headless instead and opens no window.
#pragma once

// Fixes "." as the decimal separator for every conversion, whatever the
// machine's locale (QGuiApplication reads the system locale when it starts).
void fixNumberLocale();

int runZenita(int argc, char** argv);
