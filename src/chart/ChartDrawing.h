// The one drawing of the chart: from its inputs, the sun-path chart with its
// labels and annotation block on the base layer, the cleared protractor
// layer, and with the protractor on, the protractor, the alpha, beta and gamma
// masks and the protractor labels. The layers come in white; the hourly
// overlay and the path labels on the overlay layer follow it.
#pragma once

#include "chart/ChartGeometry.h"
#include "chart/ChartInputs.h"

namespace chart {

// Throws math::ConversionError when the orientation or a checked angle is not
// a number, at the step that needs it: what was drawn before stays.
void drawChart(const ChartCanvases& layers, const ChartGeometry& g, const ChartInputs& inputs);

}  // namespace chart
