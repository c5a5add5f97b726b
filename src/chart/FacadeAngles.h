// A sky direction seen from a façade: which side of the façade it lies on,
// and the external angles of the shading devices whose edges pass through it.
// The readout under the pointer, the command line's sun position and the
// shading numbers share these rules, so what they say matches the masks the
// same angles draw.
//
// Angles in degrees. The façade's orientation O is the azimuth of its normal,
// clockwise from north. Right and left are as seen from inside looking out:
// the right is clockwise of the normal (toward azimuth O + 90), where
// `--beta-right` and the "Direita" boxes draw.
#pragma once

#include "chart/Projection.h"

namespace chart {

enum class FacadeSide { Right, Left };

struct FacadeAngles {
    // Azimuth of the direction minus O, in (-180, 180]: positive to the right.
    double relativeAzimuthDeg = 0.0;
    // Strictly in front of the façade plane (|relative azimuth| < 90).
    bool inFront = false;
    // Cosine of the angle between the direction and the façade normal: the
    // share of a beam along the direction that falls on the façade
    // (negative behind it).
    double cosIncidence = 0.0;
    // The external alpha whose curve passes through the direction: its
    // profile angle, measured up from the horizontal in the vertical plane
    // of the normal (0 to 90 in front, at or above the horizon).
    double alphaDeg = 0.0;
    // The external beta whose radius passes through it: the horizontal angle
    // from the normal (0 to 90 in front), on `side`.
    double betaDeg = 0.0;
    FacadeSide side = FacadeSide::Right;
    // The external gamma of `side` whose curve passes through it: the angle up
    // from the horizontal in the vertical plane of the façade, seen along the
    // normal (90 on the normal itself).
    double gammaDeg = 0.0;
};

FacadeAngles facadeAnglesOf(const SkyDirection& sky, double orientationDeg);

// The side and the incidence alone, the same numbers as facadeAnglesOf gives,
// for callers that weigh many directions and need no device's angle.
struct Facing {
    double relativeAzimuthDeg = 0.0;
    bool inFront = false;
    double cosIncidence = 0.0;
};
Facing facingOf(const SkyDirection& sky, double orientationDeg);

}  // namespace chart
