// Files written by the window and the command line: each goes through a
// temporary file beside its final name, renamed once complete, so a failure
// leaves nothing behind and never a half-written file under the final name.
// Every function returns the message to show on failure.
#pragma once

#include "output/DesignSheet.h"
#include "output/Printer.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

// "Não foi possível gravar FILE: reason".
QString saveFailure(const QString& file, const QString& reason);

// The picture in the format of the file's extension (PNG, JPEG, BMP, ...).
std::optional<QString> savePicture(const QImage& picture, const QString& file);

// Text as UTF-8.
std::optional<QString> saveText(const QString& text, const QString& file);

// The design sheet as a PDF ("*.pdf") or a PNG at 300 dpi ("*.png"), by the
// file's extension.
std::optional<QString> saveSheet(const output::DesignSheet& sheet, const QString& file);

// A one-page PDF printed by `print` on a PDF printer; the text `print`
// returns, or throws, fails the save.
std::optional<QString> savePrintedPdf(
    const QString& file, const std::function<std::optional<QString>(output::Printer&)>& print);
