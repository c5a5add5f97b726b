// The one drawing of the chart command: from its inputs, the sun-path chart
// with its labels and annotation block on `imagem`, the cleared protractor
// layer, and with the protractor on, the protractor, the alfa, beta and gamma
// masks and the protractor labels. The layers come from the window's reset,
// all white; the hourly overlay and the path labels on `imagem4` follow it.
#pragma once

#include "chart/ChartGeometry.h"
#include "chart/ChartInputs.h"

namespace chart {

// Throws math::ConversionError when the orientation or a checked angle is not
// a number, at the step that reads it: what was drawn before stays.
void drawChart(const ChartCanvases& layers, const ChartGeometry& g, const ChartInputs& inputs);

}  // namespace chart
