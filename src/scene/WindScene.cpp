#include "scene/WindScene.h"

#include "climate/Windows1252.h"
#include "wind/WindRose.h"

namespace scene {

namespace {

template <std::size_t Rows>
void fillCells(std::array<std::array<QString, 4>, Rows>& cells,
               const std::vector<wind::SeasonTexts>& texts) {
    for (std::size_t row = 0; row < texts.size() && row < Rows; ++row) {
        for (std::size_t s = 0; s < 4; ++s) {
            cells[row][s] = climate::decodeWindows1252(texts[row][s]);
        }
    }
}

}  // namespace

WindScene renderWind(const wind::WindTable& table, Canvas& rose,
                     const wind::WindGeometry& geometry) {
    WindScene scene;
    fillCells(scene.directionCells, table.directionTexts);
    fillCells(scene.calmCells, table.calmTexts);
    scene.failure = table.failure;
    scene.frames = wind::drawWindRose(rose, geometry, table);
    return scene;
}

}  // namespace scene
