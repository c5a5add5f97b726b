// The shading masks on the mask layer `imagem3`: the boundaries of the sky
// regions hidden by an overhang (alpha), by side fins (beta) and by the
// lateral ends of an overhang (gamma), for a façade of orientation O
// (degrees clockwise from north, the azimuth of the façade normal).
//
// The boundaries are gray and three pixels wide; they are the borders that
// the freehand fills stop at. Angles are read from their texts only when
// their check box is checked; a text that is not a number throws
// math::ConversionError when its drawing reads it, leaving what was drawn.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartInputs.h"

#include <array>

namespace chart {

// The external value of a typed angle: as typed with "Externa" (and with no
// reference chosen), 90 - v with "Interna".
double externalAngle(double typedDeg, AngleReference reference);

// The two external angles of an alpha or gamma pair: with one angle (e, 90),
// with two the smaller and the larger. A curve is drawn for each below 89.
struct PairedAngles {
    double e1 = 90.0;
    double e2 = 90.0;
};
PairedAngles pairAngles(const AnglePair& pair, AngleReference reference);

// The azimuths of the two beta radii of one side (side +1 right, -1 left):
// the façade's end and O +- b1 for one angle or two equal ones; O +- b1 and
// O +- b2 for two different angles.
std::array<double, 2> betaDirections(const AnglePair& pair, AngleReference reference,
                                     double orientationDeg, int side);

// Each draws only what its check boxes ask for (alpha and gamma nothing at all
// when their first boxes are unchecked); beta always draws the horizon.
void drawAlphaMask(Canvas& imagem3, const ChartGeometry& g, double orientationDeg,
                  const ChartInputs& inputs);
void drawBetaMasks(Canvas& imagem3, const ChartGeometry& g, double orientationDeg,
                   const ChartInputs& inputs);
void drawGammaMasks(Canvas& imagem3, const ChartGeometry& g, double orientationDeg,
                    const ChartInputs& inputs);

}  // namespace chart
