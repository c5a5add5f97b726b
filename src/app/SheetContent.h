// The design sheet's content, made from what the window or the command line
// drew: the chart request and its layers, the city's wind scene when it has a
// wind file, and the shading numbers when there are any. Texts in Portuguese,
// numbers in the window's decimal style.
#pragma once

#include "output/Composition.h"
#include "output/DesignSheet.h"
#include "scene/ChartRequest.h"
#include "scene/WindScene.h"
#include "shading/ShadingTable.h"

#include <QImage>

#include <optional>
#include <vector>

struct SheetWindSource {
    const scene::WindScene& scene;
    const QImage& rose;
    int modeItem = 0;  // of rgVentos
};

struct SheetSources {
    const scene::ChartRequest& request;
    output::ChartLayers layers;
    int referenceItem = 0;  // of rgAngulos
    double radiusCm = 6.0;
    std::optional<SheetWindSource> wind;
    std::optional<output::TextTable> shading;
};

output::DesignSheet designSheet(const SheetSources& sources);

// The wind scene's two tables, as the window shows them, with their titles:
// the mode with its unit, and the calm periods.
std::vector<output::TextTable> windTables(const scene::WindScene& scene, int modeItem);

// The shading numbers as the sheet shows them: a column per half-year and the
// year, a row per measure, each cell its hours (kWh/m² for the radiation) and
// the share shaded.
output::TextTable shadingTable(const shading::ShadingTable& numbers);
