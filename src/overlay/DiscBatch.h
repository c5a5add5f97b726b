// Many small filled discs, drawn exactly as Canvas::ellipse draws them but at
// a fraction of the cost: the overlay puts some 20,000 discs on a chart, and a
// painter opened per disc would take longer than the whole drawing may.
//
// Each kind of disc (box size, pen width, colour; solid pen, solid brush of
// the pen's colour) is rendered once through Canvas::ellipse on a small
// canvas; its pixels are then stamped wherever the disc is wanted. Discs wait
// in the batch in drawing order and reach the canvas, later ones over earlier
// ones, at flush(). Flush before drawing anything else on the canvas, so that
// what follows lies over the discs; the destructor flushes what is left.
//
// Coordinates are canvas pixels, origin top-left, y down; a box is (left,
// top, right, bottom) with right and bottom excluded.
#pragma once

#include "canvas/Canvas.h"
#include "overlay/SunPosition.h"

#include <QPoint>
#include <QRect>
#include <QRgb>

#include <vector>

namespace overlay {

class DiscBatch {
public:
    // expectedDiscs only reserves room, so that a long batch does not grow
    // its list step by step.
    explicit DiscBatch(Canvas& canvas, std::size_t expectedDiscs = 0);
    ~DiscBatch();
    DiscBatch(const DiscBatch&) = delete;
    DiscBatch& operator=(const DiscBatch&) = delete;

    // A disc in box with pen and brush of colour and the given pen width.
    void add(const DiscBox& box, QRgb colour, int penWidth);
    // Draws the waiting discs onto the canvas.
    void flush();

    std::size_t pending() const { return pending_.size(); }

private:
    struct Stamp {
        int width;
        int height;
        int penWidth;
        QRgb colour;
        std::vector<QPoint> pixels;  // relative to the box's top-left corner
        QRect extent;                // bounding box of pixels, same origin
    };
    struct Placed {
        int left;
        int top;
        int stamp;
    };

    std::size_t stampFor(int width, int height, int penWidth, QRgb colour);

    Canvas& canvas_;
    std::vector<Stamp> stamps_;
    std::vector<Placed> pending_;
    QRect dirty_;
};

}  // namespace overlay
