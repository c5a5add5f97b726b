#include "printer/QtPrinters.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <array>

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

// A PDF file of one page: the smallest ISO A page, from A4 up to A0, whose
// printable area holds the page's pictures, at 600 dots per inch.
class PdfPrinter : public Printer {
public:
    explicit PdfPrinter(const QString& fileName) : printer_(QPrinter::HighResolution) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(fileName);
        printer_.setResolution(kPdfDotsPerInch);
        printer_.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        usePage(kPageSizes.back());
    }
    std::optional<PrinterGeometry> geometry() override { return geometryOf(printer_); }
    PrintOutcome print(const PrintPage& page) override {
        QSize extent;
        for (const PageDraw& draw : page) {
            extent = extent.expandedTo(QSize(draw.rect.right, draw.rect.bottom));
        }
        for (QPageSize::PageSizeId size : kPageSizes) {
            usePage(size);
            const QSize room = geometryOf(printer_).printableDots;
            if (extent.width() <= room.width() && extent.height() <= room.height()) {
                break;
            }
        }
        return printOn(printer_, page);
    }

private:
    static constexpr int kPdfDotsPerInch = 600;
    static constexpr std::array<QPageSize::PageSizeId, 5> kPageSizes{
        QPageSize::A4, QPageSize::A3, QPageSize::A2, QPageSize::A1, QPageSize::A0};

    void usePage(QPageSize::PageSizeId size) { printer_.setPageSize(QPageSize(size)); }

    QPrinter printer_;
};

}  // namespace

std::unique_ptr<Printer> makeSystemPrinter() {
    return std::make_unique<SystemPrinter>();
}

std::unique_ptr<Printer> makePdfPrinter(const QString& fileName) {
    return std::make_unique<PdfPrinter>(fileName);
}

}  // namespace output
