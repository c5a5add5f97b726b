#include "climate/CityDatabase.h"
#include "climate/CommaText.h"
#include "climate/ClimateErrors.h"
#include "climate/HourlyFile.h"
#include "climate/ImportSteps.h"
#include "climate/TextFile.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"

#include "ClimateTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>


using climate::CityIndexEntry;
using Lines = std::vector<std::string>;

namespace {

std::vector<CityIndexEntry> parse(const Lines& lines) {
    std::vector<CityIndexEntry> entries;
    climate::parseCityIndex(lines, entries);
    return entries;
}

TEST(CityIndex, ReadsFiveFieldsAndATimeZoneInFileOrder) {
    EXPECT_TRUE(parse({}).empty());
    const auto entries = parse({
        "Cidade_X,-10.5,s/a,s/a,50",
        "Cidade_Y,\"-27,6\",cidade_y.csv,s/a,48.5,extra,fields",
        "Cidade_X,-11,x.csv,x.ventos.csv,118.4,-8",
        "D,1,s/a,s/a,45,15",
        "E,1,s/a,s/a,-96.17,6.5,more",
    });
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0], (CityIndexEntry{"Cidade_X", "-10.5", "s/a", "s/a", "50"}));
    EXPECT_FALSE(entries[0].hasHourlyFile() || entries[0].hasWindFile());
    EXPECT_EQ(entries[1], (CityIndexEntry{"Cidade_Y", "-27,6", "cidade_y.csv", "s/a", "48.5"}));
    EXPECT_TRUE(entries[1].hasHourlyFile());
    EXPECT_FALSE(entries[1].hasWindFile());
    // A name listed twice stays twice; only a time zone counts as a sixth field.
    EXPECT_EQ(entries[2],
              (CityIndexEntry{"Cidade_X", "-11", "x.csv", "x.ventos.csv", "118.4", -8.0}));
    EXPECT_EQ(entries[3].timeZoneHours, std::nullopt);
    EXPECT_EQ(entries[4].timeZoneHours, 6.5);
    EXPECT_DOUBLE_EQ(climate::standardMeridianDegWest(-8.0), 120.0);
    EXPECT_DOUBLE_EQ(climate::standardMeridianDegWest(1.0), -15.0);
    EXPECT_DOUBLE_EQ(climate::standardMeridianDegWest(std::nullopt), 45.0);
}

TEST(CityIndex, AShortLineStopsTheReadingAndKeepsTheWholeEntriesBeforeIt) {
    for (const std::string shortLine : {"Cidade_Z,-5,s/a,s/a", "", "Cidade_Z"}) {
        std::vector<CityIndexEntry> entries;
        try {
            climate::parseCityIndex({"A,1,s/a,s/a,1", "B,2,s/a,s/a,2", shortLine, "C,3,s/a,s/a,3"},
                                    entries, "Latitudes.csv");
            FAIL() << shortLine;
        } catch (const climate::FormatError& e) {
            EXPECT_EQ(e.line(), 3);
            EXPECT_EQ(e.file(), "Latitudes.csv");
            EXPECT_NE(std::string(e.what()).find("linha 3"), std::string::npos) << e.what();
        }
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(entries[1], (CityIndexEntry{"B", "2", "s/a", "s/a", "2"}));
    }
}

TEST(CityIndex, AMissingIndexSaysSo) {
    QTemporaryDir dir;
    std::vector<CityIndexEntry> none;
    EXPECT_THROW(climate::readCityIndex(climate::indexPath(dir.path()), none),
                 climate::FileNotFoundError);
}

TEST(BundledIndex, ListsTheTwentySevenCapitalsInWindows1252ThenTheEpwCities) {
    const QString path = QStringLiteral(ZENITA_SOURCE_DATA_DIR "/Latitudes.csv");
    const std::string bytes = readAll(path);
    EXPECT_FALSE(climate::isValidUtf8(bytes));               // accents as single Windows-1252 bytes
    EXPECT_EQ(joinCrLf(climate::splitLines(bytes)), bytes);  // CR LF after every line
    std::vector<CityIndexEntry> entries;
    climate::readCityIndex(path, entries);
    ASSERT_EQ(entries.size(), 31u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        const bool capital = i < 27;
        EXPECT_NO_THROW(climate::checkedFileKey(e.name)) << e.name;
        EXPECT_NO_THROW(climate::checkLatitudeText(e.latitude)) << e.name;
        EXPECT_EQ(e.name.find(' '), std::string::npos) << e.name;
        EXPECT_EQ(e.hasHourlyFile() + e.hasWindFile() + e.timeZoneHours.has_value(),
                  capital ? 0 : 3)
            << e.name;
        EXPECT_TRUE(!capital || e.longitude.front() != '-') << e.name;  // west is positive
    }
    EXPECT_EQ(entries[0], (CityIndexEntry{"Aracaju", "-10.91", "s/a", "s/a", "37.07"}));
    EXPECT_EQ(entries[17], (CityIndexEntry{"Porto_Alegre", "-30.03", "s/a", "s/a", "51.22"}));
    EXPECT_EQ(entries[24].name, cp1252("São_Paulo"));
    EXPECT_EQ(entries[26], (CityIndexEntry{cp1252("Vitória"), "-20.32", "s/a", "s/a", "40.34"}));
    EXPECT_EQ(entries[1].longitude, "48.5");   // general form, no trailing zero
    EXPECT_EQ(entries[6].latitude, "-15.60");  // the latitude text as written
}

TEST(DatabasePaths, UseSlashesAndTheUtf8FormOfTheNames) {
    EXPECT_EQ(climate::indexPath("/opt/zenita/"), "/opt/zenita/Latitudes.csv");
    // A database copied from another system opens: names on disk are UTF-8.
    EXPECT_EQ(climate::cityFilePath("/opt/zenita", cp1252("são_paulo.csv")),
              QString::fromUtf8("/opt/zenita/cidades/são_paulo.csv"));
    QTemporaryDir dir;
    EXPECT_TRUE(climate::ensureCitiesFolder(dir.path()));
    EXPECT_FALSE(climate::ensureCitiesFolder(dir.path()));
    EXPECT_TRUE(QFileInfo(climate::citiesFolderPath(dir.path())).isDir());
}

TEST(HourlyColumn, TellsNumbersFromEmptyMissingAndInvalidFieldsWhateverTheLineBreaks) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/h.csv";
    writeAll(path,
             "1,1,1,24.5\n1,1,2,,5\r1,1,3\r\n1,1,4,abc\n1,1,5,\" -3 \"\r\n\r\n1,1,6,-0.5,\r\n");
    using Kind = climate::HourlyValue::Kind;
    const climate::HourlyValue expected[] = {
        {Kind::Number, 24.5}, {Kind::Empty},   {Kind::Missing},     {Kind::Invalid},
        {Kind::Number, -3},   {Kind::Missing}, {Kind::Number, -0.5}};
    const auto column = climate::readHourlyColumn(path, climate::kTemperatureField);
    const auto fromLines = climate::hourlyColumnFromLines(climate::splitLines(readAll(path)), 3);
    // A range splits only its lines and keeps every line's place.
    const auto range = climate::readHourlyColumn(path, climate::kTemperatureField, 1, 3);
    ASSERT_EQ(column.size(), 7u);
    ASSERT_EQ(fromLines.size(), 7u);
    ASSERT_EQ(range.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(column[i].kind, expected[i].kind) << i;
        EXPECT_EQ(column[i].value, expected[i].value) << i;
        EXPECT_EQ(fromLines[i].kind, expected[i].kind) << i;
        EXPECT_EQ(range[i].kind, i == 1 || i == 2 ? expected[i].kind : Kind::Missing) << i;
    }
    EXPECT_THROW(climate::readHourlyColumn(dir.path() + "/none.csv", 3),
                 climate::FileNotFoundError);
}

// Plain lines are read by their commas alone: the value must be the one the
// comma-text rules give, quotes, blanks and trailing commas or not.
TEST(HourlyColumn, ReadsEachFieldAsTheCommaTextRulesSplitIt) {
    const std::vector<std::string> lines{
        "1,1,1,24.5", "1,1,1,24.5,", "1,1,1,", "1,1,1", ",,,", ",,,,", "1,1,,7", "", ",",
        "1,1,1,x", "1, 1,1,2", "1,1,1, 3", "1,1,\"1\",4", "1,1,1,\"5", "1,1,1,6,\"",
        "1,1,1,7 8", "a,b,c,d,e,f", "1,1,1,-0.5e1,,", "\t1,1,1,9"};
    for (int field : {0, 3, 4}) {
        const auto column = climate::hourlyColumnFromLines(lines, field);
        ASSERT_EQ(column.size(), lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::vector<std::string> fields = climate::SplitCommaText(lines[i]);
            using Kind = climate::HourlyValue::Kind;
            const auto f = static_cast<std::size_t>(field);
            const Kind expected = fields.size() <= f             ? Kind::Missing
                                  : fields[f].empty()             ? Kind::Empty
                                  : math::parseNumber(fields[f])  ? Kind::Number
                                                                  : Kind::Invalid;
            EXPECT_EQ(column[i].kind, expected) << lines[i] << " field " << field;
            if (expected == Kind::Number) {
                EXPECT_EQ(column[i].value, *math::parseNumber(fields[f])) << lines[i];
            }
        }
    }
}

TEST(Encodings, EveryWindows1252ByteSurvivesAndUtf8IsToldApart) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const QString text = climate::decodeWindows1252(all);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(climate::encodeWindows1252(text), all);
    EXPECT_EQ(climate::decodeWindows1252("Bel\xE9m \x80"), QString::fromUtf8("Belém €"));
    EXPECT_EQ(climate::utf8ToWindows1252("Localização"), "Localiza\xE7\xE3o");
    EXPECT_FALSE(climate::tryEncodeWindows1252(QString::fromUtf8("São 北京")).has_value());
    EXPECT_THROW(climate::encodeWindows1252(QString::fromUtf8("Δ")), climate::EncodingError);
    EXPECT_THROW(climate::utf8ToWindows1252("\xC3"), climate::EncodingError);
    EXPECT_TRUE(climate::isValidUtf8("Mês €𝄞"));
    // Windows-1252, overlong, surrogate, past U+10FFFF, cut short.
    for (const char* bad : {"M\xEAs", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"}) {
        EXPECT_FALSE(climate::isValidUtf8(bad)) << bad;
    }
}

}  // namespace
