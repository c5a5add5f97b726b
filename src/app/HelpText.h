// What `zenita --help` and `zenita --version` print. The option names and
// their value names are those of the command line's own messages and of
// README; the man page (desktop/zenita.1) says the same at length.
#pragma once

#include <QString>

// The usage, in Portuguese, ending with a line break.
QString usageText();
// "ZENITA 6.2" and a line break.
QString versionText();
