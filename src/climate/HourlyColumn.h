// One quantity of an hourly file, read once per drawing: the value of field q
// on every line, in line order (line i is day i / 24 + 1 at hour i % 24).
#pragma once

#include <cstddef>
#include <vector>

namespace climate {

struct HourlyValue {
    enum class Kind {
        Number,   // the field holds a decimal number: value
        Empty,    // the field is empty (0 on its own line, the previous value when interpolating)
        Missing,  // the line has too few fields for the quantity
        Invalid,  // the field is not a number
    };
    Kind kind = Kind::Missing;
    double value = 0.0;
};

using HourlyColumn = std::vector<HourlyValue>;

}  // namespace climate
