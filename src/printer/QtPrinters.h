// The real printers behind output::Printer: the system's default printer and
// a PDF file, both through QPrinter (Qt's print support, which brings the
// widgets with it, so they live apart from the output library).
#pragma once

#include "output/Printer.h"

#include <QString>

#include <memory>

namespace output {

// The system's default printer at its high resolution.
std::unique_ptr<Printer> makeSystemPrinter();
// A one-page PDF file at 600 dots per inch, on the smallest ISO A page (A4 to
// A0) that holds what is printed.
std::unique_ptr<Printer> makePdfPrinter(const QString& fileName);

}  // namespace output
