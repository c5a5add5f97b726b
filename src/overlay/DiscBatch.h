// Many small filled discs, drawn exactly as Canvas::ellipse draws them but at
// a fraction of the cost: the overlay puts some 20,000 discs on a chart, and a
// painter opened per disc would take longer than the whole drawing may.
//
// Each kind of disc (box size, pen width, colour; solid pen, solid brush of
// the pen's colour) is rendered once through Canvas::ellipse on a small
// canvas; its pixels are then written straight into the canvas's rows
// wherever the disc is wanted, each disc over the ones before. Flush before
// drawing anything else on the canvas, and add after that as before.
//
// Coordinates are canvas pixels, origin top-left, y down; a box is (left,
// top, right, bottom) with right and bottom excluded.
#pragma once

#include "canvas/Canvas.h"
#include "overlay/SunPosition.h"

#include <QRgb>

#include <vector>

namespace overlay {

class DiscBatch {
public:
    explicit DiscBatch(Canvas& canvas);
    DiscBatch(const DiscBatch&) = delete;
    DiscBatch& operator=(const DiscBatch&) = delete;

    // A disc in box with pen and brush of colour and the given pen width.
    void add(const DiscBox& box, QRgb colour, int penWidth);
    // The same in two steps, for a drawing of many discs of a few kinds: the
    // kind of disc once (any colour but white), then a box of its size.
    std::size_t kindOf(int width, int height, int penWidth, QRgb colour);
    void add(const DiscBox& box, std::size_t kind);
    // Lets the canvas be drawn on by other means until the next add.
    void flush() { pixels_ = nullptr; }

private:
    struct Offset {
        int dx;
        int dy;
    };
    struct Stamp {
        int width;
        int height;
        int penWidth;
        QRgb colour;
        std::vector<Offset> pixels;  // relative to the box's top-left corner
        // Bounding box of the pixels, same origin, right and bottom included.
        int left;
        int top;
        int right;
        int bottom;
    };

    void drawWhite(const DiscBox& box, int penWidth);

    Canvas& canvas_;
    int width_;
    int height_;
    std::vector<Stamp> stamps_;
    std::size_t lastStamp_ = 0;
    QRgb* pixels_ = nullptr;
    qsizetype stride_ = 0;
};

}  // namespace overlay
