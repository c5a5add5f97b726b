// Degrees and radians. Angles stay in degrees everywhere in ZENITA and become
// radians only at the trigonometric call, through these functions.
#pragma once

#include <numbers>

namespace math {

constexpr double degToRad(double degrees) {
    return degrees * (std::numbers::pi / 180.0);
}

constexpr double radToDeg(double radians) {
    return radians * (180.0 / std::numbers::pi);
}

// The same conversion rounded twice (times pi, then over 180): the lines and
// labels of the base chart, the masks' façade line and the protractor have
// always been drawn with it, and at a few orientations their pixels depend on
// the last bit. New code uses degToRad.
constexpr double degToRadRoundedTwice(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace math
