#include "output/Printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace output {

namespace {

constexpr double kCmPerInch = 2.54;

// Printer geometry as the printer itself reports it: its own resolution and
// printable area in device dots.
PrinterGeometry geometryOf(QPrinter& printer) {
    PrinterGeometry g;
    g.dotsPerCm = printer.resolution() / kCmPerInch;
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    g.printableDots = area.size();
    return g;
}

PrintOutcome printOn(QPrinter& printer, const PrintPage& page) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return PrintOutcome::NotStarted;
    }
    paintPage(painter, page);
    if (printer.printerState() == QPrinter::Error) {
        printer.abort();
        painter.end();
        return PrintOutcome::Failed;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

class SystemPrinter : public Printer {
public:
    std::optional<PrinterGeometry> geometry() override {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            return std::nullopt;
        }
        return geometryOf(printer_);
    }
    PrintOutcome print(const PrintPage& page) override {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            return PrintOutcome::NotStarted;
        }
        return printOn(printer_, page);
    }

private:
    QPrinter printer_{QPrinter::HighResolution};
};

class PdfPrinter : public Printer {
public:
    explicit PdfPrinter(const QString& fileName) : printer_(QPrinter::HighResolution) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(fileName);
        printer_.setResolution(600);
        printer_.setPageSize(QPageSize(QPageSize::A4));
        printer_.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }
    std::optional<PrinterGeometry> geometry() override { return geometryOf(printer_); }
    PrintOutcome print(const PrintPage& page) override { return printOn(printer_, page); }

private:
    QPrinter printer_;
};

}  // namespace

void paintPage(QPainter& painter, const PrintPage& page) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PageDraw& draw : page) {
        const QRect target(draw.rect.left, draw.rect.top, draw.rect.right - draw.rect.left,
                           draw.rect.bottom - draw.rect.top);
        if (target.isEmpty() || draw.image.isNull()) {
            continue;
        }
        painter.drawImage(target, draw.image);
    }
}

std::unique_ptr<Printer> makeSystemPrinter() { return std::make_unique<SystemPrinter>(); }

std::unique_ptr<Printer> makePdfPrinter(const QString& fileName) {
    return std::make_unique<PdfPrinter>(fileName);
}

}  // namespace output
