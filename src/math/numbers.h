// The one number parser and the one number formatter of the program.
//
// Numbers are always written and read with "." as the decimal separator and
// without group separators, whatever the machine's locale: "1.5" is one and a
// half everywhere. The parser takes an optional sign, digits with an optional
// fraction and an optional exponent, and blanks around them; it refuses
// "1,000", "nan", "inf", "12abc" and the empty text.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace math {

// Raised when a text that must be a number is not one. what() is a message in
// Portuguese (UTF-8) that names the offending text.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& message) : std::runtime_error(message) {}
};

// The text as a finite double, or nothing.
std::optional<double> parseNumber(std::string_view text);
// The text as a finite double; throws ConversionError otherwise.
double toNumber(std::string_view text);

// A decimal integer with an optional sign ("09" and "9" are both 9), or nothing.
std::optional<long long> parseInteger(std::string_view text);
// The text as an int; throws ConversionError otherwise.
int toInteger(std::string_view text);

// Fixed notation with two decimals, rounded half away from zero on the exact
// binary value: 2.125 gives "2.13", 2.675 (stored just below) gives "2.67".
std::string formatFixed2(double value);
// The same with 0 to 6 decimals.
std::string formatFixed(double value, int decimals);

// General form with at most 15 significant digits and no trailing zeros;
// never "-0". parseNumber reads every such text back (beyond
// ±1.79769313486231e308 it gives that, so as never to round up to infinity).
std::string formatGeneral(double value);

// The conversion error's message for a text that is not a number.
std::string notANumberMessage(std::string_view text);

}  // namespace math
