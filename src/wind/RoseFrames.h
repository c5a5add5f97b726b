// The line work of the wind rose: the central octagon and the bar frames of
// the eight directions (outline, season dividers and silver grid lines every
// half unit). The frames are drawn after the bars, so their grid lines cross
// the coloured bars.
//
// Frame points are in the rose frame (pixels from the centre, y upwards);
// drawing is on the wind image (pixels, origin top-left, y down).
#pragma once

#include "canvas/Canvas.h"
#include "wind/RoseGeometry.h"

#include <QPoint>

#include <array>

namespace wind {

// The north bar frame: points 0-3 the outline, 4-9 the three season
// dividers, 10-27 the nine grid segments, each coordinate trunc(24 * units).
using WindFrameTemplate = std::array<QPoint, 28>;

WindFrameTemplate northFrameTemplate();

// The octagon of side 2 units around the centre, with a black pen.
void drawWindOctagon(Canvas& canvas, const WindGeometry& geometry);

// Builds the north frame and draws it; the result feeds drawRotatedFrames.
WindFrameTemplate drawNorthFrame(Canvas& canvas, const WindGeometry& geometry);

// The frames of the seven other directions (bearings 45 to 315), turned from
// the north frame.
void drawRotatedFrames(Canvas& canvas, const WindGeometry& geometry,
                       const WindFrameTemplate& windFrameTemplate);

}  // namespace wind
