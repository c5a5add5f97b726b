#include "math/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace math {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Accepts exactly [+-] (digits [. digits*] | . digits) [(e|E) [+-] digits].
bool hasDecimalShape(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == s.size();
}

}  // namespace

std::string notANumberMessage(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 32);
    message.append("'").append(text).append("' não é um número válido.");
    return message;
}

std::optional<double> parseNumber(std::string_view text) {
    std::string_view s = trimBlanks(text);
    if (!hasDecimalShape(s)) {
        return std::nullopt;
    }
    if (s.front() == '+') {
        s.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Underflow to zero is a number; overflow to infinity is not.
        if (std::isinf(std::strtod(std::string(s).c_str(), nullptr))) {
            return std::nullopt;
        }
        return 0.0;
    }
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double toNumber(std::string_view text) {
    if (const auto value = parseNumber(text)) {
        return *value;
    }
    throw ConversionError(notANumberMessage(text));
}

std::optional<long long> parseInteger(std::string_view text) {
    std::string_view s = trimBlanks(text);
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (!s.empty() && s.front() == '-') {
            return std::nullopt;
        }
    }
    if (s.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    return value;
}

int toInteger(std::string_view text) {
    const auto value = parseInteger(text);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max()) {
        std::string message;
        message.append("'").append(text).append("' não é um número inteiro válido.");
        throw ConversionError(message);
    }
    return static_cast<int>(*value);
}

std::string formatFixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 6);
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    char buffer[400];
    // A tie at the next decimal can only happen when the value is exactly a
    // number with one more decimal, ending in 5, which makes it a multiple of
    // 1/2^(decimals + 1); to_chars would round it to even, so round it away
    // from zero by hand.
    auto [endNext, ecNext] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                           std::chars_format::fixed, decimals + 1);
    std::string text;
    const double scaled = std::ldexp(value, decimals + 1);  // exact: a power-of-two scaling
    if (ecNext == std::errc() && endNext[-1] == '5' && std::fabs(scaled) < 0x1p52 &&
        scaled == std::trunc(scaled)) {
        // Lifts the tie to the next step of the last decimal kept.
        const double magnitude = std::fabs(value) + 0.5 * std::pow(10.0, -decimals);
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::fixed, decimals + 1);
        (void)ec;
        if (value < 0) {
            text.push_back('-');
        }
        text.append(buffer, end - 1);  // drop the extra decimal, now a 0
        if (text.back() == '.') {
            text.pop_back();
        }
    } else {
        auto [end, ec] =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        (void)ec;
        text.assign(buffer, end);
    }
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string formatFixed2(double value) {
    return formatFixed(value, 2);
}

std::string formatGeneral(double value) {
    if (!std::isfinite(value) || value == 0.0) {
        return "0";
    }
    // Fifteen digits round the largest doubles up past DBL_MAX, to a text
    // that parses as infinity: write the largest fifteen-digit number below.
    constexpr double kLargestFifteenDigits = 1.79769313486231e308;
    if (std::fabs(value) > kLargestFifteenDigits) {
        return value < 0 ? "-1.79769313486231e+308" : "1.79769313486231e+308";
    }
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    (void)ec;
    std::string text(buffer, end);
    if (text == "-0") {
        text = "0";
    }
    return text;
}

}  // namespace math
