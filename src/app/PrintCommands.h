// The print command's pages, shared by the window and the command line: the
// printer's checks, the chart at the radius typed, the wind rose at 6 cm, and
// the warning shown instead when a step fails.
#pragma once

#include "output/Composition.h"
#include "output/Printer.h"
#include "scene/ChartRequest.h"

#include <QImage>

#include <optional>
#include <string>

// The printer's geometry, or the warning that there is none.
std::optional<output::PrinterGeometry> printerGeometry(output::Printer* printer,
                                                       std::optional<scene::Warning>& warning);

// Prints the chart layers with the pictograms at the radius typed (in
// centimetres); the warning when the radius does not fit or printing fails.
std::optional<scene::Warning> printChart(output::Printer* printer,
                                         const output::ChartLayers& layers,
                                         const std::optional<output::Pictograms>& pictograms,
                                         const std::string& radiusText);

std::optional<scene::Warning> printWindRose(output::Printer* printer, const QImage& rose);
