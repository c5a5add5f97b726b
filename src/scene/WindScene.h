// A wind rose drawn: the city's wind table rendered on the rose image, the
// texts of its two tables (the eight directions and the four calm periods,
// each by season P, V, O, I, as the file writes them), and a read failure as
// a value. Drawn as far as the file could be read.
#pragma once

#include "canvas/Canvas.h"
#include "wind/RoseFrames.h"
#include "wind/RoseGeometry.h"
#include "wind/WindFile.h"

#include <QString>

#include <array>
#include <optional>

namespace scene {

struct WindScene {
    // [row][season]; rows not read stay empty.
    std::array<std::array<QString, 4>, wind::kDirectionCount> directionCells;
    std::array<std::array<QString, 4>, wind::kDayPeriodCount> calmCells;
    // The details of the line that could not be read; the rose is then not complete.
    std::optional<QString> failure;
    // The north frame the rotated frames were drawn from, for a complete rose.
    std::optional<wind::WindFrameTemplate> frames;

    bool complete() const { return !failure.has_value(); }
};

// Renders the table on the rose image, which comes in white.
WindScene renderWind(const wind::WindTable& table, Canvas& rose,
                     const wind::WindGeometry& geometry);

}  // namespace scene
