// The shading protractor on `imagem2`: the alpha curves every 5 degrees, the
// beta lines every 10 degrees and the alpha scale along the façade normal, for
// a façade of orientation O (degrees clockwise from north). Only the half in
// front of the façade stays; white is transparent on this layer.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartInputs.h"

#include <QPoint>

namespace chart {

// Red and one pixel wide; green and two pixels while the hourly overlay is shown.
void drawProtractor(Canvas& imagem2, const ChartGeometry& g, double orientationDeg,
                    bool overlayShown);

// The end of the k-th beta line (k = 0 .. 17) relative to the centre, as the
// row vector (-R, 0, 1) turned by T Q S with the rotation Q by O + 10 k,
// truncated; the line runs from the centre to (cx + x, cy - y).
QPoint protractorBetaLineEnd(const ChartGeometry& g, double orientationDeg, int k);

// The top-left corner of the label of alpha a (0, 10, ..., 80 degrees).
QPoint protractorLabelPosition(const ChartGeometry& g, double orientationDeg, int alphaDeg);

// The labels 90 .. 10 ("Interna") or 0 .. 70 ("Externa") in 8-point bold on
// opaque white boxes; none without a reference.
void drawProtractorLabels(Canvas& imagem2, const ChartGeometry& g, double orientationDeg,
                          AngleReference reference);

}  // namespace chart
