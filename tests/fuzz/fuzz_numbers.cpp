// Numbers: the parsers take any text without fault; every number they read,
// and every finite double, is written in a form that reads back.
#include "math/numbers.h"

#include "FuzzSupport.h"

#include <cmath>
#include <cstring>

namespace {

void checkRoundTrip(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    const auto back = math::parseNumber(math::formatGeneral(value));
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(std::fabs(*back - value) <= std::fabs(value) * 1e-14 + 5e-324);
    FUZZ_CHECK(math::parseNumber(math::formatFixed2(value)).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = bytesOf(data, size);
    if (const auto number = math::parseNumber(text)) {
        checkRoundTrip(*number);
    }
    if (const auto integer = math::parseInteger(text)) {
        FUZZ_CHECK(math::parseInteger(std::to_string(*integer)) == integer);
    }
    if (size == sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data, sizeof value);
        checkRoundTrip(value);
    }
    return 0;
}
