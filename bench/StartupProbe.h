// A fresh process of the benchmark program that starts ZENITA's windows as a
// start does (splash excluded), shows them offscreen and exits once the main
// window has loaded its city list: run by the start-up benchmark.
#pragma once

#include <string_view>

inline constexpr std::string_view kStartupProbeOption = "--startup-probe";

// argv: the program, the option, the database folder.
int runStartupProbe(int argc, char** argv);
