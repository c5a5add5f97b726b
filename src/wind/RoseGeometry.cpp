#include "wind/RoseGeometry.h"

#include "canvas/Truncate.h"

#include <cmath>
#include <numbers>

namespace wind {

namespace {
constexpr double kUnitPixels = 24.0;
}  // namespace

WindGeometry WindGeometry::forImage(int width, int height) {
    return {static_cast<double>(width / 2), static_cast<double>(height / 2)};
}

QPoint WindGeometry::toImage(double frameX, double frameY) const {
    return {truncPx(windCentreX + frameX), truncPx(windCentreY - frameY)};
}

double windUnit(double units) {
    return units * kUnitPixels;
}

double octagonSide() {
    return 1.0 + std::sqrt(2.0);
}

int unitPx(double units) {
    return truncPx(windUnit(units));
}

BearingTurn::BearingTurn(double bearingDeg)
    : matrix_(math::matrix::identity(3) * math::rotation(bearingDeg * (std::numbers::pi / 180.0)) *
              math::matrix::identity(3)) {}

void BearingTurn::turn(double x, double y, double& turnedX, double& turnedY) const {
    math::matrix row(1, 3);
    row(0, 0) = x;
    row(0, 1) = y;
    row(0, 2) = 1.0;
    const math::matrix turned = row * matrix_;
    turnedX = turned(0, 0);
    turnedY = turned(0, 1);
}

QPoint BearingTurn::turnTruncated(const QPoint& point) const {
    double x = 0.0;
    double y = 0.0;
    turn(point.x(), point.y(), x, y);
    return {truncPx(x), truncPx(y)};
}

}  // namespace wind
