#include "climate/CommaText.h"

#include "ClimateTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using climate::FileKey;
using climate::JoinCommaText;
using climate::SplitCommaText;
using Fields = std::vector<std::string>;

namespace {

struct SplitCase {
    const char* name;
    std::string line;
    Fields fields;
    bool endedWithComma;
};

class SplitCommaTextCase : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommaTextCase, GivesTheFields) {
    const SplitCase& c = GetParam();
    Fields fields;
    const bool endedWithComma = climate::SplitCommaTextInto(c.line, fields);
    EXPECT_EQ(fields, c.fields);
    EXPECT_EQ(endedWithComma, c.endedWithComma);
    EXPECT_EQ(SplitCommaText(c.line), c.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCommaTextCase,
    ::testing::Values(
        SplitCase{"EmptyFieldBetweenCommas", "1,1,1,,5", {"1", "1", "1", "", "5"}, false},
        SplitCase{"FinalCommaAddsNoField", "1,1,1,", {"1", "1", "1"}, true},
        SplitCase{"FinalCommaThenBlanks", "1,2, \t", {"1", "2"}, true},
        SplitCase{"BlankSeparatesLikeAComma", "a b,c", {"a", "b", "c"}, false},
        SplitCase{"QuotedNameKeepsItsSpaces",
                  "\"Rio de Janeiro\",-22.9",
                  {"Rio de Janeiro", "-22.9"},
                  false},
        SplitCase{"FourQuotesAreOneQuote", "\"\"\"\"", {"\""}, false},
        SplitCase{"QuotedEmptyField", "\"\"", {""}, false}, SplitCase{"EmptyLine", "", {}, false},
        SplitCase{"BlankLine", "  \t \x01", {}, false},
        SplitCase{"TwoCommas", ",,", {"", ""}, true}, SplitCase{"OneComma", ",", {""}, true},
        SplitCase{"TextAfterClosingQuoteIsNextField", "\"ab\"cd,e", {"ab", "cd", "e"}, false},
        SplitCase{"MissingClosingQuoteRunsToEnd",
                  "1,\"open, still open",
                  {"1", "open, still open"},
                  false},
        SplitCase{"DoubledQuoteBeforeEnd", "\"abc\"\"", {"abc\""}, false},
        SplitCase{"BlanksAroundFields", "  a ,  b  ", {"a", "b"}, false},
        SplitCase{"BlankAfterCommaIsSkipped", "a,\t,b", {"a", "", "b"}, false},
        SplitCase{"ControlByteSeparates",
                  "a\x01"
                  "b",
                  {"a", "b"},
                  false},
        SplitCase{"NulEndsTheLine", std::string("a\0b,c", 5), {"a"}, false},
        SplitCase{"DelIsText", "\x7f,\xff", {"\x7f", "\xff"}, false},
        SplitCase{"Windows1252BytesUntouched",
                  "S\xE3o_Paulo,\xC1gua",
                  {"S\xE3o_Paulo", "\xC1gua"},
                  false},
        SplitCase{"QuotedFieldThenComma", "\"a\",", {"a"}, true}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(JoinCommaText, WritesTheExampleLines) {
    EXPECT_EQ(JoinCommaText({"S\xE3o_Paulo", "-23.5", "s\xE3o_paulo.csv", "s\xE3o_paulo.ventos.csv",
                             "46.62"}),
              "S\xE3o_Paulo,-23.5,s\xE3o_paulo.csv,s\xE3o_paulo.ventos.csv,46.62");
    EXPECT_EQ(JoinCommaText({"a b"}), "\"a b\"");
    EXPECT_EQ(JoinCommaText({"a,b"}), "\"a,b\"");
    EXPECT_EQ(JoinCommaText({"say \"hi\""}), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(JoinCommaText({"a\tb", "c"}), "\"a\tb\",c");
    EXPECT_EQ(JoinCommaText({""}), "\"\"");
    EXPECT_EQ(JoinCommaText({"", ""}), ",");
    EXPECT_EQ(JoinCommaText({"x", ""}), "x,");
    EXPECT_EQ(JoinCommaText({}), "");
    EXPECT_EQ(JoinCommaText({"\xE9", "\x7f"}), "\xE9,\x7f");
}

// Bytes 1 to 255, with the ones the rules care about made frequent.
std::string randomField(std::mt19937& rng) {
    static const std::string special = ",\" \t\r\n\x01\x1f";
    std::uniform_int_distribution<int> length(0, 8);
    std::uniform_int_distribution<int> pick(0, 3);
    std::uniform_int_distribution<int> any(1, 255);
    std::uniform_int_distribution<std::size_t> specialAt(0, special.size() - 1);
    std::string field;
    for (int n = length(rng); n > 0; --n) {
        field.push_back(pick(rng) == 0 ? special[specialAt(rng)] : static_cast<char>(any(rng)));
    }
    return field;
}

TEST(JoinCommaText, SplitReadsBackWhatJoinWrote) {
    std::mt19937 rng(20240601);
    std::uniform_int_distribution<int> count(0, 6);
    for (int round = 0; round < 5000; ++round) {
        Fields fields;
        for (int n = count(rng); n > 0; --n) {
            fields.push_back(randomField(rng));
        }
        Fields expected = fields;
        // The one loss of the format: a final comma stands for no field.
        if (expected.size() >= 2 && expected.back().empty()) {
            expected.pop_back();
        }
        ASSERT_EQ(SplitCommaText(JoinCommaText(fields)), expected)
            << "line: " << JoinCommaText(fields);
    }
}

TEST(SplitCommaText, FieldsOfAnyLineSurviveJoiningAndSplitting) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int round = 0; round < 5000; ++round) {
        std::string line;
        for (int n = length(rng); n > 0; --n) {
            const int b = byte(rng);
            line.push_back(b % 5 == 0 ? "\", \t"[b % 4] : static_cast<char>(b));
        }
        Fields fields = SplitCommaText(line);
        const std::string joined = JoinCommaText(fields);
        if (fields.size() >= 2 && fields.back().empty()) {
            fields.pop_back();
        }
        ASSERT_EQ(SplitCommaText(joined), fields) << "line: " << line;
    }
}

TEST(SplitCommaText, SurvivesRandomBytes) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> length(0, 200);
    std::uniform_int_distribution<int> byte(0, 255);
    std::size_t totalFields = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string line;
        for (int n = length(rng); n > 0; --n) {
            line.push_back(static_cast<char>(byte(rng)));
        }
        const Fields fields = SplitCommaText(line);
        std::size_t bytes = 0;
        for (const auto& f : fields) {
            bytes += f.size();
        }
        ASSERT_LE(bytes, line.size());
        ASSERT_LE(fields.size(), line.size() + 1);
        totalFields += fields.size();
    }
    EXPECT_GT(totalFields, 0u);
}

struct KeyCase {
    std::string name;
    std::string key;
};

TEST(FileKey, TrimsAndLowersOnlyAsciiCapitals) {
    const KeyCase cases[] = {
        {cp1252(" ÁGUA_BOA "), cp1252("Água_boa")},
        {cp1252("São_Paulo"), cp1252("são_paulo")},
        {cp1252("\t\x01PORTO_ALEGRE\r\n"), "porto_alegre"},
        {std::string("\0X\0", 3), "x"},
        {cp1252("ÇÃO_É"), cp1252("ÇÃo_É")},
        {"Rio de Janeiro", "rio de janeiro"},
        {"   ", ""},
        {"", ""},
        {"../X", "../x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileKey(c.name), c.key) << c.name;
    }
}

}  // namespace
