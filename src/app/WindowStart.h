// The windows a start creates, and what a start asks of the main window once
// it is shown and has loaded its city list: a warning about where the city
// database lives, then the import window opened on a climate file given on
// the command line.
#pragma once

#include "app/UNovaCidade.h"
#include "app/USobre.h"
#include "app/UZenita.h"
#include "widgets/UDupla.h"
#include "widgets/URaioCarta.h"

#include <QString>

#include <optional>

// The windows in their order of creation, the dialogs known to the main
// window; the splash is not among them.
struct ZenitaWindows {
    explicit ZenitaWindows(const Services& services);

    TFormZenita formZenita;
    TdlgRaioCarta dlgRaioCarta;
    TdlgSobre dlgSobre;
    TdlgDupla dlgDupla;
    TFormNovaCidade formNovaCidade;
};

// Call right after the window's first show(): the steps run from the event
// loop, after the activation that loads the city list.
void queueWindowStart(TFormZenita& form, const QString& databaseWarning,
                      const std::optional<QString>& importFile);
