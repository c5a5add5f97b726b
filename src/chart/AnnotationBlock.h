// The annotation block of the chart: the values the chart was drawn with,
// written in the corners of `imagem` beside the reference pictograms, as the
// controls hold them (texts as typed, never reformatted).
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartInputs.h"

#include <QPoint>
#include <QString>

#include <vector>

namespace chart {

struct AnnotationEntry {
    QPoint topLeft;
    QString text;
};

// The entries written for these inputs, in the order written.
std::vector<AnnotationEntry> annotationEntries(const ChartInputs& inputs);

// Writes the entries in the regular 8-point face, black, without a
// background box (the brush is left as the chart labels leave it, clear).
void drawAnnotationBlock(Canvas& imagem, const ChartInputs& inputs);

}  // namespace chart
