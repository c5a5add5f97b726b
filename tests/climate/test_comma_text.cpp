#include "climate/CommaText.h"

#include "ClimateTestSupport.h"

#include <gtest/gtest.h>

using climate::FileKey;
using climate::JoinCommaText;
using climate::SplitCommaText;
using Fields = std::vector<std::string>;

namespace {

struct SplitCase {
    const char* name;
    std::string line;
    Fields fields;
    bool endedWithComma = false;
};

TEST(SplitCommaText, GivesTheFieldsOfEachKindOfLine) {
    const SplitCase cases[] = {
        {"empty field between commas", "1,1,1,,5", {"1", "1", "1", "", "5"}},
        {"final comma adds no field", "1,1,1,", {"1", "1", "1"}, true},
        {"final comma then blanks", "1,2, \t", {"1", "2"}, true},
        {"one comma", ",", {""}, true},
        {"blank separates like a comma", "a b,c", {"a", "b", "c"}},
        {"blanks around fields", "  a ,  b  ", {"a", "b"}},
        {"blank after a comma is skipped", "a,\t,b", {"a", "", "b"}},
        {"control byte separates", "a\x01z", {"a", "z"}},
        {"quoted name keeps its spaces", "\"Rio de Janeiro\",-22.9", {"Rio de Janeiro", "-22.9"}},
        {"four quotes are one quote", "\"\"\"\"", {"\""}},
        {"doubled quote before the end", "\"abc\"\"", {"abc\""}},
        {"quoted empty field", "\"\"", {""}},
        {"quoted field then comma", "\"a\",", {"a"}, true},
        {"text after closing quote", "\"ab\"cd,e", {"ab", "cd", "e"}},
        {"missing closing quote runs to the end", "1,\"open, still", {"1", "open, still"}},
        {"empty line", "", {}},
        {"blank line", "  \t \x01", {}},
        {"NUL ends the line", std::string("a\0b,c", 5), {"a"}},
        {"DEL and Windows-1252 bytes are text", "\x7f,S\xE3o_Paulo", {"\x7f", "S\xE3o_Paulo"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fields fields;
        EXPECT_EQ(climate::SplitCommaTextInto(c.line, fields), c.endedWithComma);
        EXPECT_EQ(fields, c.fields);
        EXPECT_EQ(SplitCommaText(c.line), c.fields);
    }
}

TEST(JoinCommaText, QuotesOnlyWhatSplittingWouldBreak) {
    EXPECT_EQ(JoinCommaText({"S\xE3o_Paulo", "-23.5", "s\xE3o_paulo.csv", "s/a", "46.62"}),
              "S\xE3o_Paulo,-23.5,s\xE3o_paulo.csv,s/a,46.62");
    EXPECT_EQ(JoinCommaText({"a b"}), "\"a b\"");
    EXPECT_EQ(JoinCommaText({"a,b"}), "\"a,b\"");
    EXPECT_EQ(JoinCommaText({"say \"hi\""}), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(JoinCommaText({"a\tb", "c"}), "\"a\tb\",c");
    EXPECT_EQ(JoinCommaText({""}), "\"\"");
    EXPECT_EQ(JoinCommaText({"", ""}), ",\"\"");
    EXPECT_EQ(JoinCommaText({"y", "x", ""}), "y,x,\"\"");
    EXPECT_EQ(JoinCommaText({"", "x"}), ",x");
    EXPECT_EQ(JoinCommaText({}), "");
}

TEST(FileKey, TrimsAndLowersOnlyAsciiCapitals) {
    const std::pair<std::string, std::string> cases[] = {
        {cp1252(" ÁGUA_BOA "), cp1252("Água_boa")},
        {cp1252("São_Paulo"), cp1252("são_paulo")},
        {cp1252("ÇÃO_É"), cp1252("ÇÃo_É")},
        {"\t\x01PORTO_ALEGRE\r\n", "porto_alegre"},
        {std::string("\0X\0", 3), "x"},
        {"   ", ""},
        {"../X", "../x"},
    };
    for (const auto& [name, key] : cases) {
        EXPECT_EQ(FileKey(name), key) << name;
    }
}

}  // namespace
