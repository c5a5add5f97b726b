// A printer and a clipboard that record what they are given.
#pragma once

#include "output/Clipboard.h"
#include "output/Printer.h"

#include <optional>
#include <vector>

class RecordingPrinter : public output::Printer {
public:
    std::optional<output::PrinterGeometry> geometry() override { return installed; }
    output::PrintOutcome print(const output::PrintPage& page) override {
        pages.push_back(page);
        return outcome;
    }

    // 240 dots per cm (609.6 dots per inch), a printable area of 20 x 28 cm.
    std::optional<output::PrinterGeometry> installed =
        output::PrinterGeometry{240.0, QSize(4800, 6720)};
    output::PrintOutcome outcome = output::PrintOutcome::Printed;
    std::vector<output::PrintPage> pages;
};

class RecordingClipboard : public output::Clipboard {
public:
    void setImage(const QImage& picture) override { images.push_back(picture.copy()); }
    void setText(const QString& text) override { texts.push_back(text); }
    std::vector<QImage> images;
    std::vector<QString> texts;
};
