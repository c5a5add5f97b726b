// Conversion of computed coordinates to whole pixels (or printer dots).
//
// Every drawing truncates toward zero, never rounds. Values beyond the int
// range saturate and NaN becomes 0, so no geometry can cause undefined
// behaviour on the way to the canvas.
#pragma once

#include <cmath>
#include <limits>

inline int truncPx(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double kMax = static_cast<double>(std::numeric_limits<int>::max());
    constexpr double kMin = static_cast<double>(std::numeric_limits<int>::min());
    if (value >= kMax) {
        return std::numeric_limits<int>::max();
    }
    if (value <= kMin) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);  // the cast truncates toward zero
}
