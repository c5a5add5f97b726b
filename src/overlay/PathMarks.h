// The path marks over the hourly overlay: thick black trails along the six
// characteristic dates of the half-year, a small black disc at every whole
// hour of sun time of every day (together they draw the hour lines), and the
// hours written in black along the hour-label date.
//
// Drawn on the overlay layer of the chart (pixels, origin top-left, y down);
// latitude in degrees, north positive. The clock time of each step is taken as
// sun time, without correction.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"

namespace overlay {

struct PathMarksInputs {
    double latitudeDeg = 0.0;
    int periodItem = 0;        // item of the half-year list
    bool ckTrajetoria = true;  // "Trajetória Zenita": without it nothing is drawn
};

// Leaves the pen and the brush white, as every step does.
void drawPathMarks(Canvas& canvas, const chart::ChartGeometry& geometry,
                   const PathMarksInputs& inputs);

}  // namespace overlay
