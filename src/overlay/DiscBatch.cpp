#include "overlay/DiscBatch.h"

#include <QImage>

#include <algorithm>

namespace overlay {

namespace {
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kRgbMask = 0x00FFFFFF;
}  // namespace

DiscBatch::DiscBatch(Canvas& canvas, std::size_t expectedDiscs) : canvas_(canvas) {
    pending_.reserve(expectedDiscs);
}

DiscBatch::~DiscBatch() {
    flush();
}

std::size_t DiscBatch::stampFor(int width, int height, int penWidth, QRgb colour) {
    for (std::size_t i = 0; i < stamps_.size(); ++i) {
        const Stamp& s = stamps_[i];
        if (s.width == width && s.height == height && s.penWidth == penWidth &&
            s.colour == colour) {
            return i;
        }
    }
    // A margin wide enough for any pen overhang around the box.
    const int margin = std::max(penWidth, 1) + 2;
    Canvas sample(width + 2 * margin, height + 2 * margin);
    sample.setPenColor(QColor::fromRgb(colour));
    sample.setPenWidth(penWidth);
    sample.setPenStyle(PenStyle::Solid);
    sample.setBrushColor(QColor::fromRgb(colour));
    sample.ellipse(margin, margin, margin + width, margin + height);

    Stamp stamp{width, height, penWidth, colour, {}, {}};
    for (int y = 0; y < sample.height(); ++y) {
        for (int x = 0; x < sample.width(); ++x) {
            if (sample.pixel(x, y) != kWhite) {
                stamp.pixels.emplace_back(x - margin, y - margin);
                stamp.extent |= QRect(x - margin, y - margin, 1, 1);
            }
        }
    }
    stamps_.push_back(std::move(stamp));
    return stamps_.size() - 1;
}

void DiscBatch::add(const DiscBox& box, QRgb colour, int penWidth) {
    colour &= kRgbMask;
    if (colour == kWhite) {
        // A white stamp could not be told from the sample's background; such
        // a disc is drawn the slow way, in its turn.
        flush();
        const QColor pen = canvas_.penColor();
        const int width = canvas_.penWidth();
        const PenStyle style = canvas_.penStyle();
        const QColor brush = canvas_.brushColor();
        const BrushStyle brushStyle = canvas_.brushStyle();
        canvas_.setPenColor(Qt::white);
        canvas_.setPenWidth(penWidth);
        canvas_.setPenStyle(PenStyle::Solid);
        canvas_.setBrushColor(Qt::white);
        canvas_.ellipse(box.left, box.top, box.right, box.bottom);
        canvas_.setPenColor(pen);
        canvas_.setPenWidth(width);
        canvas_.setPenStyle(style);
        canvas_.setBrushColor(brush);
        canvas_.setBrushStyle(brushStyle);
        return;
    }
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0) {
        return;  // Canvas::ellipse draws nothing for an empty box
    }
    const std::size_t stamp = stampFor(width, height, penWidth, colour);
    const QRect area = stamps_[stamp].extent.translated(box.left, box.top) &
                       QRect(0, 0, canvas_.width(), canvas_.height());
    if (area.isEmpty()) {
        return;
    }
    dirty_ |= area;
    pending_.push_back({box.left, box.top, static_cast<int>(stamp)});
}

void DiscBatch::flush() {
    if (pending_.empty()) {
        return;
    }
    // The affected part of the canvas is copied out, the discs are stamped on
    // it in order and it is copied back. Strips of a few rows keep every
    // buffer small enough to be reused from the heap instead of being mapped
    // afresh, which costs more than the copying itself.
    constexpr int kStripRows = 32;
    const CopyMode mode = canvas_.copyMode();
    canvas_.setCopyMode(CopyMode::Source);
    for (int stripTop = dirty_.top(); stripTop <= dirty_.bottom(); stripTop += kStripRows) {
        const QRect strip(dirty_.left(), stripTop, dirty_.width(),
                          std::min(kStripRows, dirty_.bottom() + 1 - stripTop));
        QImage part = canvas_.image().copy(strip).convertToFormat(QImage::Format_RGB32);
        const int w = part.width();
        const int h = part.height();
        auto* bits = reinterpret_cast<QRgb*>(part.bits());
        const qsizetype stride = part.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        for (const Placed& placed : pending_) {
            const Stamp& s = stamps_[static_cast<std::size_t>(placed.stamp)];
            const int oy = placed.top - strip.top();
            if (oy + s.extent.bottom() < 0 || oy + s.extent.top() >= h) {
                continue;
            }
            const QRgb fill = 0xFF000000 | s.colour;
            const int ox = placed.left - strip.left();
            for (const QPoint& p : s.pixels) {
                const int x = ox + p.x();
                const int y = oy + p.y();
                if (x >= 0 && y >= 0 && x < w && y < h) {
                    bits[y * stride + x] = fill;
                }
            }
        }
        canvas_.copyRect(strip.left(), strip.top(), strip.right() + 1, strip.bottom() + 1, part, 0,
                         0, w, h);
    }
    canvas_.setCopyMode(mode);
    pending_.clear();
    dirty_ = QRect();
}

}  // namespace overlay
