// How the readouts write their numbers, in the window's line and on the
// command line alike: degrees with one decimal and a decimal point, azimuths
// from 0 to 360, times as hh:mm, and the façade's angles in the chosen
// reference.
#pragma once

#include "chart/ChartInputs.h"
#include "chart/FacadeAngles.h"

#include <QString>

namespace scene {

// One decimal, rounded half away from zero, never "-0.0".
QString oneDecimal(double value);
// An azimuth in [0, 360) with one decimal: what would round to 360.0 reads 0.0.
QString azimuthOneDecimal(double azimuthDeg);
// Hours of the day as hh:mm, rounded to the minute and taken within the day.
QString clockText(double hours);
// "direita" or "esquerda", as the angle boxes name the sides.
QString sideName(chart::FacadeSide side);

// The angles of facadeAnglesOf as they are typed in the reference, so that
// typing one draws that mask's edge through the direction.
struct TypedFacadeAngles {
    double alphaDeg = 0.0;
    double betaDeg = 0.0;
    double gammaDeg = 0.0;
};
TypedFacadeAngles typedFacadeAngles(const chart::FacadeAngles& angles,
                                    chart::AngleReference reference);

}  // namespace scene
