// The four season bars of one direction of the wind rose: outlined in black
// and filled in the season colours, side by side along the direction, each
// starting on the central octagon's side.
//
// Values are the season values P, V, O, I already multiplied by the mode
// factor; a bar is value * 0.1 units long (24 px per unit), so 50 reaches the
// end of its frame. No value is clamped: a large one runs past the frame, a
// negative one grows inward. Drawn on the wind image (pixels, origin top-left,
// y down) around the centre in geometry.
#pragma once

#include "canvas/Canvas.h"
#include "wind/RoseGeometry.h"

#include <QPoint>

#include <array>

namespace wind {

// The bar length in units of a value already multiplied by the mode factor.
double barLengthUnits(double value);

// One bar as drawn: the four outline corners and the fill seed, in image pixels.
struct BarOutline {
    std::array<QPoint, 4> corners;
    QPoint seed;
    // The seed lies strictly inside the outline, so a fill from it stays in
    // the bar; a bar too short to have an inside is left unfilled.
    bool seedInside() const;
};

// The outlines of the four bars of a direction, in the order P, V, O, I.
std::array<BarOutline, 4> seasonBarOutlines(const WindGeometry& geometry, double bearingDeg,
                                            double p, double v, double o, double i);

// Expects white around the bars (they are drawn before anything else of the
// rose), since each fill spreads until it meets black.
void drawSeasonBars(Canvas& canvas, const WindGeometry& geometry, double bearingDeg, double p,
                    double v, double o, double i);

}  // namespace wind
