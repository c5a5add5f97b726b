#include "wind/WindRose.h"

#include "wind/RoseLabels.h"
#include "wind/SeasonBars.h"

namespace wind {

WindFrameTemplate DrawWindRose(Canvas& canvas, const WindGeometry& geometry,
                               const WindValueTable& values, int modeItem) {
    for (int d = 0; d < kDirectionCount; ++d) {
        const auto& v = values[static_cast<std::size_t>(d)];
        DrawSeasonBars(canvas, geometry, directionBearingDeg(d), v[0], v[1], v[2], v[3]);
    }
    DrawWindOctagon(canvas, geometry);
    DrawWindLabels(canvas, geometry, modeItem);
    const WindFrameTemplate windFrameTemplate = DrawNorthFrame(canvas, geometry);
    DrawRotatedFrames(canvas, geometry, windFrameTemplate);
    return windFrameTemplate;
}

}  // namespace wind
