#include "math/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using math::formatFixed2;
using math::formatGeneral;
using math::parseInteger;
using math::parseNumber;

TEST(NumberParser, RefusesWhatIsNotADecimalNumber) {
    for (const char* text : {"1,000", "27,5", "nan", "NaN", "inf", "-inf", "infinity", "12abc",
                             "", " ", "+", "-", ".", "1e", "1e+", "0x10", "1.2.3", "--1", "+-1",
                             "1 2", "1e999"}) {
        EXPECT_FALSE(parseNumber(text).has_value()) << text;
    }
}

TEST(NumberParser, AcceptsSignsFractionsAndExponents) {
    EXPECT_EQ(*parseNumber("+1.5"), 1.5);
    EXPECT_EQ(*parseNumber("-3e2"), -300.0);
    EXPECT_EQ(*parseNumber("1.5"), 1.5);
    EXPECT_EQ(*parseNumber(".5"), 0.5);
    EXPECT_EQ(*parseNumber("5."), 5.0);
    EXPECT_EQ(*parseNumber(" -27.6 "), -27.6);
    EXPECT_EQ(*parseNumber("2.5E-1"), 0.25);
    EXPECT_EQ(*parseNumber("1e-400"), 0.0);
}

TEST(NumberParser, ConversionErrorNamesTheText) {
    try {
        (void)math::toNumber("abc");
        FAIL();
    } catch (const math::ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("'abc'"), std::string::npos);
    }
}

TEST(IntegerParser, ReadsSignedDecimalIntegers) {
    EXPECT_EQ(*parseInteger("09"), 9);
    EXPECT_EQ(*parseInteger("9"), 9);
    EXPECT_EQ(*parseInteger("-3"), -3);
    EXPECT_EQ(*parseInteger("+24"), 24);
    for (const char* text : {"", "1.0", "x", "9a", "+-1", "99999999999999999999999"}) {
        EXPECT_FALSE(parseInteger(text).has_value()) << text;
    }
    EXPECT_THROW((void)math::toInteger("3000000000"), math::ConversionError);
}

TEST(NumberFormatter, TwoDecimalsRoundHalfAwayFromZeroOnTheExactValue) {
    EXPECT_EQ(formatFixed2(2.125), "2.13");
    EXPECT_EQ(formatFixed2(2.675), "2.67");  // stored just below 2.675
    EXPECT_EQ(formatFixed2(-2.125), "-2.13");
    EXPECT_EQ(formatFixed2(0.375), "0.38");
    EXPECT_EQ(formatFixed2(100.0 / 3.0), "33.33");
    EXPECT_EQ(formatFixed2(200.0 / 3.0), "66.67");
    EXPECT_EQ(formatFixed2(0.0), "0.00");
    EXPECT_EQ(formatFixed2(-0.0), "0.00");
    EXPECT_EQ(formatFixed2(-0.001), "0.00");
    EXPECT_EQ(formatFixed2(12.5), "12.50");
    EXPECT_EQ(formatFixed2(100.0), "100.00");
    EXPECT_EQ(formatFixed2(0.005), "0.01");  // 0.005 is stored just above
}

TEST(NumberFormatter, GeneralFormHasNoTrailingZerosAndNeverMinusZero) {
    EXPECT_EQ(formatGeneral(-0.0), "0");
    EXPECT_EQ(formatGeneral(0.0), "0");
    EXPECT_EQ(formatGeneral(48.55), "48.55");
    EXPECT_EQ(formatGeneral(-1 * -48.55), "48.55");
    EXPECT_EQ(formatGeneral(51.22), "51.22");
    EXPECT_EQ(formatGeneral(-118.4), "-118.4");
    EXPECT_EQ(formatGeneral(50.0), "50");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), "0.3");
}
