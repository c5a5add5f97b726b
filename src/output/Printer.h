// The printer behind a small interface, so the print commands can be tested
// without one, and so a PDF file is printed by the same code. The real
// printers are in printer/QtPrinters.h.
#pragma once

#include "output/PrintLayout.h"

#include <QString>

class QPainter;

#include <memory>
#include <optional>

namespace output {

struct PrinterGeometry {
    double dotsPerCm = 0.0;
    QSize printableDots;  // the printable area, in dots
};

enum class PrintOutcome {
    Printed,
    NotStarted,  // the job could not begin
    Failed,      // drawing or ending the job failed; the job was aborted
};

class Printer {
public:
    virtual ~Printer() = default;
    // The printer's resolution and printable area; nothing when there is no printer.
    virtual std::optional<PrinterGeometry> geometry() = 0;
    // One job of one page: begin, draw every picture into its rectangle
    // (nearest-neighbour scaling), end.
    virtual PrintOutcome print(const PrintPage& page) = 0;
};

// Draws a page onto any painter (used by the printers, and by tests on an image).
void paintPage(QPainter& painter, const PrintPage& page);

}  // namespace output
