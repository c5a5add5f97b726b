// The date labels at both ends of the chart's sun paths, just outside the
// horizon, and the hours written in blue along the path of 21 January.
//
// Drawn on the overlay layer of the chart (pixels, origin top-left, y down),
// all text opaque on white in the layer's face at 8 points. Latitude in
// degrees, north positive. The clock time of each step is taken as sun time.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"

#include <QString>

#include <array>

namespace overlay {

// The six days whose paths carry labels, whatever the half-year.
inline constexpr std::array<int, 6> kLabelledPathDays{21, 54, 81, 107, 141, 172};

// The twelve date labels L0 to L11 ("21 Jan" ... "22 Dez"). With the overlay
// on they are renamed so that both ends of every path name a date of the
// half-year shown: item 0 copies L0-L4 over L10-L6, any other item copies
// L10-L6 over L0-L4; "22 Jun" and "22 Dez" never change.
std::array<QString, 12> pathDateLabels(bool ckPontos, int periodItem);

struct PathLabelsInputs {
    double latitudeDeg = 0.0;
    bool ckPontos = false;     // the hourly overlay is on
    bool ckTrajetoria = true;  // "Trajetória Zenita": without it nothing is written
    int periodItem = 0;        // item of the half-year list
};

// Leaves the pen and the brush white, as every step does.
void drawPathLabels(Canvas& canvas, const chart::ChartGeometry& geometry,
                    const PathLabelsInputs& inputs);

}  // namespace overlay
