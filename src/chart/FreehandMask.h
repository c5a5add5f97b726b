// The freehand mask drawing on `imagem3`: the reference lines shown while
// drawing, straight gray segments, gray dots of a drag, and the red (total)
// or yellow (partial) fills bounded by the gray of every mask boundary.
// Pixels of the mask layer, origin top-left; orientation in degrees
// clockwise from north.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"

namespace chart {

enum class MaskFill { Total, Partial };

// The horizon, the façade line and the façade normal, gray and 3 px wide;
// leaves the white pen, one pixel, and the white brush.
void drawMaskReferenceLines(Canvas& imagem3, const ChartGeometry& g, double orientationDeg);
// A gray segment 3 px wide.
void drawMaskSegment(Canvas& imagem3, QPoint from, QPoint to);
// A gray dot of a drag, the ellipse (x - 2, y - 2)-(x + 2, y + 2).
void drawMaskDot(Canvas& imagem3, QPoint at);
// Fills from the point up to the gray boundary; a seed on gray fills nothing.
void fillMask(Canvas& imagem3, QPoint at, MaskFill fill);

}  // namespace chart
