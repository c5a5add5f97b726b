#include "chart/ChartDrawing.h"

#include "canvas/Truncate.h"
#include "chart/Protractor.h"
#include "chart/ShadingMasks.h"
#include "chart/SunPathChart.h"
#include "math/numbers.h"

namespace chart {

namespace {

void clearProtractorLayer(Canvas& imagem2, const ChartGeometry& g) {
    imagem2.setPenColor(Qt::white);
    imagem2.setBrushColor(Qt::white);
    imagem2.rectangle(0, 0, truncPx(2 * g.chartCentreX), truncPx(2 * g.chartCentreY));
}

void drawProtractorAndMasks(const ChartCanvases& layers, const ChartGeometry& g,
                            const ChartInputs& inputs) {
    const double orientation = math::toNumber(inputs.orientationText.toStdString());
    drawProtractor(layers.imagem2, g, orientation, inputs.overlayShown);
    drawAlfaMask(layers.imagem3, g, orientation, inputs);
    drawBetaMasks(layers.imagem3, g, orientation, inputs);
    drawGammaMasks(layers.imagem3, g, orientation, inputs);
    drawProtractorLabels(layers.imagem2, g, orientation, inputs.reference);
}

}  // namespace

void drawChart(const ChartCanvases& layers, const ChartGeometry& g, const ChartInputs& inputs) {
    drawSunPathChart(layers.imagem, g, inputs.latitudeDeg, inputs.sunPaths);
    drawChartLabels(layers.imagem, g, inputs);
    // The fills and the labels may have touched the axes.
    drawAxes(layers.imagem, g);
    clearProtractorLayer(layers.imagem2, g);
    if (inputs.protractor) {
        drawProtractorAndMasks(layers, g, inputs);
    }
}

}  // namespace chart
