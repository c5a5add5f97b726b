#include "scene/ChartScene.h"

#include "chart/ChartDrawing.h"
#include "overlay/PathLabels.h"
#include "overlay/PathMarks.h"

namespace scene {

std::optional<Warning> drawOverlayPoints(Canvas& overlayLayer, const chart::ChartGeometry& g,
                                         const OverlaySource& source,
                                         std::vector<overlay::SunSample>* sunPositions) {
    if (source.indexWarning) {
        return source.indexWarning;
    }
    if (source.readFailure) {
        std::rethrow_exception(source.readFailure);
    }
    overlay::OverlayResult result =
        overlay::drawHourlyPoints(overlayLayer, g, source.column, source.inputs);
    if (sunPositions) {
        sunPositions->insert(sunPositions->end(), result.samples.begin(), result.samples.end());
    }
    if (result.complete()) {
        return std::nullopt;
    }
    return Warning{QStringLiteral("Arquivo %1 inválido!").arg(source.file),
                   overlay::describeOverlayFailure(*result.failure)};
}

ChartScene renderChart(const ChartRequest& request, const chart::ChartCanvases& layers) {
    ChartScene scene;
    scene.geometry = chart::ChartGeometry::forImage(layers.base.width(), layers.base.height());
    const chart::ChartInputs& inputs = request.chart;
    scene.inputs = inputs;
    scene.city = request.city;
    chart::drawChart(layers, scene.geometry, inputs);
    if (request.overlay) {
        if (!request.overlay->indexWarning && !request.overlay->readFailure) {
            scene.overlay = request.overlay->inputs;
        }
        if (auto warning = drawOverlayPoints(layers.overlay, scene.geometry, *request.overlay,
                                             &scene.sunPositions)) {
            scene.warnings.push_back(*warning);
        }
    }
    if (request.pathMarks) {
        overlay::drawPathMarks(layers.overlay, scene.geometry,
                               {inputs.latitudeDeg, request.periodItem, inputs.sunPaths});
    }
    overlay::drawPathLabels(
        layers.overlay, scene.geometry,
        {inputs.latitudeDeg, inputs.overlayShown, inputs.sunPaths, request.periodItem});
    return scene;
}

}  // namespace scene
