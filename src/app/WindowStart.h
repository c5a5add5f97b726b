// What a start asks of the main window once it is shown and has loaded its
// city list: a warning about where the city database lives, then the import
// window opened on a climate file given on the command line.
#pragma once

#include <QString>

#include <optional>

class TFormZenita;

// Call right after the window's first show(): the steps run from the event
// loop, after the activation that loads the city list.
void queueWindowStart(TFormZenita& form, const QString& databaseWarning,
                      const std::optional<QString>& importFile);
