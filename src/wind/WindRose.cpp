#include "wind/WindRose.h"

#include "wind/RoseLabels.h"
#include "wind/SeasonBars.h"

#include <span>

namespace wind {

namespace {

void drawBars(Canvas& canvas, const WindGeometry& geometry,
              std::span<const std::array<double, 4>> values) {
    for (std::size_t d = 0; d < values.size(); ++d) {
        const auto& v = values[d];
        drawSeasonBars(canvas, geometry, directionBearingDeg(static_cast<int>(d)), v[0], v[1], v[2],
                       v[3]);
    }
}

WindFrameTemplate drawRoseFrame(Canvas& canvas, const WindGeometry& geometry, int modeItem) {
    drawWindOctagon(canvas, geometry);
    drawWindLabels(canvas, geometry, modeItem);
    const WindFrameTemplate windFrameTemplate = drawNorthFrame(canvas, geometry);
    drawRotatedFrames(canvas, geometry, windFrameTemplate);
    return windFrameTemplate;
}

}  // namespace

WindFrameTemplate drawWindRose(Canvas& canvas, const WindGeometry& geometry,
                               const WindValueTable& values, int modeItem) {
    drawBars(canvas, geometry, values);
    return drawRoseFrame(canvas, geometry, modeItem);
}

std::optional<WindFrameTemplate> drawWindRose(Canvas& canvas, const WindGeometry& geometry,
                                              const WindTable& table) {
    drawBars(canvas, geometry, table.directionValues);
    if (!table.complete()) {
        return std::nullopt;
    }
    return drawRoseFrame(canvas, geometry, table.modeItem);
}

}  // namespace wind
