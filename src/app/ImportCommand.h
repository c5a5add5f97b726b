// The command-line import: zenita --import FILE [--replace] [--spring D/M/H]
// [--summer D/M/H] [--autumn D/M/H] [--winter D/M/H].
//
// It runs the import window's own ImportSession against a database folder,
// with the window's default season starts unless given (for an EPW source,
// those of its hemisphere, as the window switches them). Each message the
// window would show goes to stderr, one line each; the success message goes
// to stdout. An existing city is replaced only with --replace (the "já
// existe" question is answered Yes then, No otherwise).
#pragma once

#include "climate/Seasons.h"

#include <QString>
#include <QTextStream>

#include <array>
#include <optional>

struct ImportRequest {
    QString file;
    bool replace = false;
    // A season start given on the command line, by season; the others keep
    // the window's defaults.
    std::array<std::optional<climate::SeasonStartText>, climate::kSeasonCount> seasonStarts;
};

// "D/M/H" as the three texts of a season's start edits, or nothing when it is
// not three integers separated by "/".
std::optional<climate::SeasonStartText> parseSeasonStartOption(const QString& text);

// Runs the import; true when the city was added.
bool runImportCommand(const ImportRequest& request, const QString& baseDirectory, QTextStream& out,
                      QTextStream& err);
