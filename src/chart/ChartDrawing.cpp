#include "chart/ChartDrawing.h"

#include "canvas/Truncate.h"
#include "chart/Protractor.h"
#include "chart/ShadingMasks.h"
#include "chart/SunPathChart.h"

namespace chart {

namespace {

void clearProtractorLayer(Canvas& protractor, const ChartGeometry& g) {
    protractor.setPenColor(Qt::white);
    protractor.setBrushColor(Qt::white);
    protractor.rectangle(0, 0, truncPx(2 * g.chartCentreX), truncPx(2 * g.chartCentreY));
}

void drawProtractorAndMasks(const ChartCanvases& layers, const ChartGeometry& g,
                            const ChartInputs& inputs) {
    const double orientation = inputs.orientation.value();
    drawProtractor(layers.protractor, g, orientation, inputs.overlayShown);
    drawAlphaMask(layers.masks, g, orientation, inputs);
    drawBetaMasks(layers.masks, g, orientation, inputs);
    drawGammaMasks(layers.masks, g, orientation, inputs);
    drawProtractorLabels(layers.protractor, g, orientation, inputs.reference);
}

}  // namespace

void drawChart(const ChartCanvases& layers, const ChartGeometry& g, const ChartInputs& inputs) {
    drawSunPathChart(layers.base, g, inputs.latitudeDeg, inputs.sunPaths);
    drawChartLabels(layers.base, g, inputs);
    // The fills and the labels may have touched the axes.
    drawAxes(layers.base, g);
    clearProtractorLayer(layers.protractor, g);
    if (inputs.protractor) {
        drawProtractorAndMasks(layers, g, inputs);
    }
}

}  // namespace chart
