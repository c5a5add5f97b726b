// The whole wind rose in its one drawing order: the bars of the eight
// directions first (each fill must see only white around its bar), then the
// octagon, the texts, and the frames, whose grid lines cross the bars.
//
// Drawn on the wind image (pixels, origin top-left, y down), which the caller
// has cleared to white.
#pragma once

#include "canvas/Canvas.h"
#include "wind/RoseFrames.h"
#include "wind/RoseGeometry.h"
#include "wind/WindFile.h"

#include <array>
#include <optional>

namespace wind {

// Per direction N, NE, L, SE, S, SO, O, NO the season values P, V, O, I,
// already multiplied by the mode factor.
using WindValueTable = std::array<std::array<double, 4>, kDirectionCount>;

// Bearing of direction d (0 = N ... 7 = NO), degrees clockwise from north.
constexpr double directionBearingDeg(int direction) {
    return 45.0 * direction;
}

// Returns the north frame the rotated frames were drawn from.
WindFrameTemplate drawWindRose(Canvas& canvas, const WindGeometry& geometry,
                               const WindValueTable& values, int modeItem);

// The rose of a table as far as it was read: the bars of the directions read,
// and for a whole table the rest, whose north frame it returns.
std::optional<WindFrameTemplate> drawWindRose(Canvas& canvas, const WindGeometry& geometry,
                                              const WindTable& table);

}  // namespace wind
