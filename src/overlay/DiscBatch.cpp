#include "overlay/DiscBatch.h"

#include <algorithm>
#include <climits>

namespace overlay {

namespace {
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kRgbMask = 0x00FFFFFF;
}  // namespace

DiscBatch::DiscBatch(Canvas& canvas)
    : canvas_(canvas), width_(canvas.width()), height_(canvas.height()) {}

std::size_t DiscBatch::kindOf(int width, int height, int penWidth, QRgb colour) {
    colour &= kRgbMask;
    const auto matches = [&](const Stamp& s) {
        return s.width == width && s.height == height && s.penWidth == penWidth &&
               s.colour == colour;
    };
    // Consecutive discs are mostly of one kind.
    if (lastStamp_ < stamps_.size() && matches(stamps_[lastStamp_])) {
        return lastStamp_;
    }
    for (std::size_t i = 0; i < stamps_.size(); ++i) {
        if (matches(stamps_[i])) {
            lastStamp_ = i;
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

    Stamp stamp{width, height, penWidth, colour, {}, INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < sample.height(); ++y) {
        for (int x = 0; x < sample.width(); ++x) {
            if (sample.pixel(x, y) != kWhite) {
                const Offset p{x - margin, y - margin};
                stamp.pixels.push_back(p);
                stamp.left = std::min(stamp.left, p.dx);
                stamp.top = std::min(stamp.top, p.dy);
                stamp.right = std::max(stamp.right, p.dx);
                stamp.bottom = std::max(stamp.bottom, p.dy);
            }
        }
    }
    stamps_.push_back(std::move(stamp));
    lastStamp_ = stamps_.size() - 1;
    return lastStamp_;
}

// A white stamp could not be told from the sample's background: such a disc
// is drawn the slow way, in its turn.
void DiscBatch::drawWhite(const DiscBox& box, int penWidth) {
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
}

void DiscBatch::add(const DiscBox& box, QRgb colour, int penWidth) {
    colour &= kRgbMask;
    if (colour == kWhite) {
        drawWhite(box, penWidth);
        return;
    }
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0) {
        return;  // Canvas::ellipse draws nothing for an empty box
    }
    add(box, kindOf(width, height, penWidth, colour));
}

void DiscBatch::add(const DiscBox& box, std::size_t kind) {
    const Stamp& s = stamps_[kind];
    if (s.pixels.empty()) {
        return;
    }
    const int w = width_;
    const int h = height_;
    // Boxes are truncated doubles: far outside, the sums below could overflow.
    if (box.left + static_cast<long long>(s.right) < 0 ||
        box.top + static_cast<long long>(s.bottom) < 0 ||
        box.left + static_cast<long long>(s.left) >= w ||
        box.top + static_cast<long long>(s.top) >= h) {
        return;
    }
    if (!pixels_) {
        pixels_ = canvas_.pixelsForWriting();
        stride_ = canvas_.stride();
    }
    const QRgb fill = 0xFF000000 | s.colour;
    const bool inside = box.left + s.left >= 0 && box.top + s.top >= 0 &&
                        box.left + s.right < w && box.top + s.bottom < h;
    if (inside) {
        QRgb* const origin = pixels_ + box.top * stride_ + box.left;
        for (const Offset& p : s.pixels) {
            origin[p.dy * stride_ + p.dx] = fill;
        }
        return;
    }
    for (const Offset& p : s.pixels) {
        const int x = box.left + p.dx;
        const int y = box.top + p.dy;
        if (x >= 0 && y >= 0 && x < w && y < h) {
            pixels_[y * stride_ + x] = fill;
        }
    }
}

}  // namespace overlay
