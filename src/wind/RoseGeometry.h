// Geometry of the wind rose: its centre, its unit and the turn that carries
// whatever is designed along north to any bearing.
//
// The rose is designed in a frame with its origin at the centre of the wind
// image, x to the right and y upwards, in pixels; a frame point (x, y) is the
// image pixel (trunc(cx + x), trunc(cy - y)) (image origin top-left, y down).
// Lengths of the design are in units of 24 pixels. Bearings are degrees
// clockwise from north (up).
#pragma once

#include "math/matrix.h"

#include <QPoint>

namespace wind {

struct WindGeometry {
    double windCentreX = 230.0;
    double windCentreY = 230.0;

    // The centre of a wind image of the given size (integer halving).
    static WindGeometry forImage(int width, int height);

    // The image pixel of a frame point; each sum is truncated as a whole.
    QPoint toImage(double frameX, double frameY) const;
};

// A length in rose units as pixels: units * 24.
double windUnit(double units);

// 1 + sqrt(2): the distance in units from the centre to each side of the
// central octagon, where every bar and every frame starts.
double octagonSide();

// trunc(24 * units): a design length as whole frame pixels.
int unitPx(double units);

// The clockwise turn to a bearing, as the row vector (x, y, 1) times
// I * R(a) * I, products in double precision.
class BearingTurn {
public:
    explicit BearingTurn(double bearingDeg);
    // The turned point, unrounded.
    void turn(double x, double y, double& turnedX, double& turnedY) const;
    // The turned point with each coordinate truncated.
    QPoint turnTruncated(const QPoint& point) const;

private:
    math::matrix matrix_;
};

}  // namespace wind
