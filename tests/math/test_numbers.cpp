#include "math/numbers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cfloat>

#include <utility>

using math::formatFixed2;
using math::formatGeneral;
using math::parseInteger;
using math::parseNumber;

TEST(NumberParser, RefusesWhatIsNotADecimalNumber) {
    for (const char* text :
         {"1,000", "27,5", "nan", "NaN", "inf",  "-inf",  "infinity", "12abc", "",    " ",    "+",
          "-",     ".",    "1e",  "1e+", "0x10", "1.2.3", "--1",      "+-1",   "1 2", "1e999"}) {
        EXPECT_FALSE(parseNumber(text).has_value()) << text;
    }
}

TEST(NumberParser, AcceptsSignsFractionsAndExponents) {
    const std::pair<const char*, double> cases[] = {
        {"+1.5", 1.5},      {"-3e2", -300.0}, {".5", 0.5},    {"5.", 5.0},
        {" -27.6 ", -27.6}, {"2.5E-1", 0.25}, {"1e-400", 0.0}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(parseNumber(text), value) << text;
    }
    EXPECT_THAT([] { (void)math::toNumber("abc"); },
                testing::ThrowsMessage<math::ConversionError>(testing::HasSubstr("'abc'")));
}

TEST(IntegerParser, ReadsSignedDecimalIntegers) {
    const std::pair<const char*, int> cases[] = {{"09", 9}, {"9", 9}, {"-3", -3}, {"+24", 24}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(parseInteger(text), value) << text;
    }
    for (const char* text : {"", "1.0", "x", "9a", "+-1", "99999999999999999999999"}) {
        EXPECT_FALSE(parseInteger(text).has_value()) << text;
    }
    EXPECT_THROW((void)math::toInteger("3000000000"), math::ConversionError);
}

// Half away from zero on the exact binary value: 2.675 is stored just below,
// 0.005 just above.
TEST(NumberFormatter, TwoDecimalsRoundHalfAwayFromZeroOnTheExactValue) {
    const std::pair<double, const char*> cases[] = {
        {2.125, "2.13"},        {2.675, "2.67"},        {-2.125, "-2.13"}, {0.375, "0.38"},
        {100.0 / 3.0, "33.33"}, {200.0 / 3.0, "66.67"}, {0.0, "0.00"},     {-0.0, "0.00"},
        {-0.001, "0.00"},       {12.5, "12.50"},        {100.0, "100.00"}, {0.005, "0.01"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(formatFixed2(value), text) << value;
    }
    // One decimal, as the readouts write degrees: the ties are the quarters.
    const std::pair<double, const char*> oneDecimal[] = {
        {2.25, "2.3"}, {-2.25, "-2.3"}, {0.75, "0.8"}, {2.35, "2.4"},
        {-0.04, "0.0"}, {359.96, "360.0"}, {7.0, "7.0"}};
    for (const auto& [value, text] : oneDecimal) {
        EXPECT_EQ(math::formatFixed(value, 1), text) << value;
    }
}

TEST(NumberFormatter, GeneralFormHasNoTrailingZerosAndNeverMinusZero) {
    const std::pair<double, const char*> cases[] = {{-0.0, "0"},
                                                    {0.0, "0"},
                                                    {48.55, "48.55"},
                                                    {-1 * -48.55, "48.55"},
                                                    {-118.4, "-118.4"},
                                                    {50.0, "50"},
                                                    {0.1 + 0.2, "0.3"},
                                                    {DBL_MAX, "1.79769313486231e+308"},
                                                    {-DBL_MAX, "-1.79769313486231e+308"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(formatGeneral(value), text) << value;
    }
}
