#include "climate/CityDatabase.h"
#include "climate/ClimateErrors.h"
#include "climate/HourlyFile.h"
#include "climate/ImportSteps.h"
#include "climate/TextFile.h"
#include "climate/Windows1252.h"

#include "ClimateTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using climate::CityIndexEntry;
using Lines = std::vector<std::string>;

namespace {

std::vector<CityIndexEntry> parse(const Lines& lines) {
    std::vector<CityIndexEntry> entries;
    climate::parseCityIndex(lines, entries);
    return entries;
}

TEST(CityIndex, ReadsFiveFieldsPerLineInFileOrder) {
    const auto entries = parse({
        "Cidade_X,-10.5,s/a,s/a,50",
        "Cidade_Y,\"-27,6\",cidade_y.csv,s/a,48.5,extra,fields",
        "Cidade_X,-11,x.csv,x.ventos.csv,51",
    });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (CityIndexEntry{"Cidade_X", "-10.5", "s/a", "s/a", "50"}));
    EXPECT_FALSE(entries[0].hasHourlyFile());
    EXPECT_FALSE(entries[0].hasWindFile());
    EXPECT_EQ(entries[1], (CityIndexEntry{"Cidade_Y", "-27,6", "cidade_y.csv", "s/a", "48.5"}));
    EXPECT_TRUE(entries[1].hasHourlyFile());
    EXPECT_FALSE(entries[1].hasWindFile());
    EXPECT_EQ(entries[2].name, "Cidade_X");  // a name listed twice stays twice
    EXPECT_EQ(entries[2].longitude, "51");
}

TEST(CityIndex, AnEmptyIndexHasNoCity) {
    EXPECT_TRUE(parse({}).empty());
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

TEST(CityIndex, ReadingAMissingIndexSaysSo) {
    QTemporaryDir dir;
    std::vector<CityIndexEntry> entries;
    EXPECT_THROW(climate::readCityIndex(climate::indexPath(dir.path()), entries),
                 climate::FileNotFoundError);
    QDir(dir.path()).mkdir("Latitudes.csv");
    EXPECT_THROW(climate::readCityIndex(climate::indexPath(dir.path()), entries),
                 climate::FileReadError);
}

TEST(CityIndex, SurvivesRandomFiles) {
    QTemporaryDir dir;
    const QString path = climate::indexPath(dir.path());
    std::mt19937 rng(99);
    std::uniform_int_distribution<int> length(0, 600);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string frequent = ",\"\r\n \t/as";
    int completeFiles = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        for (int n = length(rng); n > 0; --n) {
            const int b = byte(rng);
            bytes.push_back(b < 128 ? frequent[static_cast<std::size_t>(b) % frequent.size()]
                                    : static_cast<char>(b));
        }
        std::vector<CityIndexEntry> entries;
        try {
            // Through the file now and then; writing thousands of files is slow.
            if (round % 50 == 0) {
                writeAll(path, bytes);
                climate::readCityIndex(path, entries);
            } else {
                climate::parseCityIndex(climate::splitLines(bytes), entries);
            }
            ++completeFiles;
            ASSERT_EQ(entries.size(), climate::splitLines(bytes).size());
        } catch (const climate::FormatError& e) {
            ASSERT_EQ(entries.size(), static_cast<std::size_t>(e.line() - 1));
        }
    }
    EXPECT_GT(completeFiles, 0);
}

// The index that ships with ZENITA, read from the source tree.
QString bundledIndexPath() {
    return QString::fromStdString(
        (std::filesystem::path(__FILE__).parent_path() / "../../data/Latitudes.csv").string());
}

TEST(BundledIndex, ListsTheTwentySevenCapitalsInWindows1252ThenTheEpwCities) {
    const std::string bytes = readAll(bundledIndexPath());
    ASSERT_FALSE(bytes.empty());
    EXPECT_FALSE(climate::isValidUtf8(bytes));  // accents as single Windows-1252 bytes
    EXPECT_NE(bytes.find("\x42\x65\x6C\xE9\x6D,"), std::string::npos);  // "Belém"
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find('\n'), bytes.find('\r') + 1);

    const Lines lines = climate::splitLines(bytes);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines.front(), "Aracaju,-10.91,s/a,s/a,37.07");
    EXPECT_EQ(lines[26], cp1252("Vitória,-20.32,s/a,s/a,40.34"));
    EXPECT_EQ(joinCrLf(lines), bytes);  // CR LF after every line, nothing else

    std::vector<CityIndexEntry> entries;
    climate::readCityIndex(bundledIndexPath(), entries);
    ASSERT_EQ(entries.size(), 31u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        const bool capital = i < 27;
        EXPECT_NO_THROW(climate::checkedFileKey(e.name)) << e.name;
        EXPECT_NO_THROW(climate::checkLatitudeText(e.latitude)) << e.name;
        EXPECT_EQ(e.name.find(' '), std::string::npos) << e.name;
        EXPECT_EQ(e.hasHourlyFile(), !capital) << e.name;
        EXPECT_EQ(e.hasWindFile(), !capital) << e.name;
        EXPECT_EQ(e.timeZoneHours.has_value(), !capital) << e.name;
        if (capital) {
            EXPECT_NE(e.longitude.front(), '-') << e.name;  // all west of Greenwich
        }
    }
    EXPECT_EQ(entries[17], (CityIndexEntry{"Porto_Alegre", "-30.03", "s/a", "s/a", "51.22"}));
    EXPECT_EQ(entries[24].name, cp1252("São_Paulo"));
    EXPECT_EQ(entries[1].longitude, "48.5");   // general form, no trailing zero
    EXPECT_EQ(entries[6].latitude, "-15.60");  // the latitude text as written
}

TEST(DatabasePaths, UseSlashesAndTheSystemFormOfTheNames) {
    EXPECT_EQ(climate::indexPath("/opt/zenita"), "/opt/zenita/Latitudes.csv");
    EXPECT_EQ(climate::indexPath("/opt/zenita/"), "/opt/zenita/Latitudes.csv");
    EXPECT_EQ(climate::citiesFolderPath("/opt/zenita"), "/opt/zenita/cidades");
    EXPECT_EQ(climate::cityFilePath("/opt/zenita", cp1252("são_paulo.csv")),
              QString::fromUtf8("/opt/zenita/cidades/são_paulo.csv"));
    EXPECT_EQ(climate::hourlyFileName("porto_alegre"), "porto_alegre.csv");
    EXPECT_EQ(climate::windFileName("porto_alegre"), "porto_alegre.ventos.csv");
}

TEST(DatabasePaths, AWindows1252NameOpensTheFileNamedInUtf8) {
    QTemporaryDir dir;
    climate::ensureCitiesFolder(dir.path());
    // A database copied from another system: the file named in UTF-8 on disk.
    writeAll(dir.path() + QString::fromUtf8("/cidades/são_paulo.csv"), "1,1,1,20\r\n");
    const auto column = climate::readHourlyColumn(
        climate::cityFilePath(dir.path(), cp1252("são_paulo.csv")), climate::kTemperatureField);
    ASSERT_EQ(column.size(), 1u);
    EXPECT_EQ(column[0].value, 20.0);
}

TEST(DatabasePaths, TheCitiesFolderIsMadeWhenMissing) {
    QTemporaryDir dir;
    EXPECT_TRUE(climate::ensureCitiesFolder(dir.path()));
    EXPECT_TRUE(QFileInfo(dir.path() + "/cidades").isDir());
    EXPECT_FALSE(climate::ensureCitiesFolder(dir.path()));
    QTemporaryDir other;
    writeAll(other.path() + "/cidades", "not a folder");
    EXPECT_THROW(climate::ensureCitiesFolder(other.path()), climate::FileWriteError);
}

TEST(HourlyColumn, TellsNumbersFromEmptyMissingAndInvalidFields) {
    using Kind = climate::HourlyValue::Kind;
    const auto column = climate::hourlyColumnFromLines(
        {"1,1,1,24.5", "1,1,2,,5", "1,1,3", "1,1,4,abc", "1,1,5,\" -3 \"", "", "1,1,6,-0.5,"}, 3);
    ASSERT_EQ(column.size(), 7u);
    const Kind kinds[] = {Kind::Number, Kind::Empty,   Kind::Missing, Kind::Invalid,
                          Kind::Number, Kind::Missing, Kind::Number};
    for (std::size_t i = 0; i < column.size(); ++i) {
        EXPECT_EQ(column[i].kind, kinds[i]) << i;
    }
    EXPECT_EQ(column[0].value, 24.5);
    EXPECT_EQ(column[4].value, -3.0);
    EXPECT_EQ(column[6].value, -0.5);
}

TEST(HourlyColumn, ReadsTheFileWithAnyLineBreaks) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/h.csv";
    writeAll(path, "1,1,1,0,0,0,0,0,0,0,0,0,0,0,0,310\n1,1,2\r1,1,3,0,0,0,0,0,0,0,0,0,0,0,0,x\r\n");
    const auto column = climate::readHourlyColumn(path, climate::kGlobalRadiationField);
    ASSERT_EQ(column.size(), 3u);
    EXPECT_EQ(column[0].kind, climate::HourlyValue::Kind::Number);
    EXPECT_EQ(column[0].value, 310.0);
    EXPECT_EQ(column[1].kind, climate::HourlyValue::Kind::Missing);
    EXPECT_EQ(column[2].kind, climate::HourlyValue::Kind::Invalid);
    EXPECT_THROW(climate::readHourlyColumn(dir.path() + "/none.csv", 3),
                 climate::FileNotFoundError);
}

TEST(HourlyColumn, ARangeSplitsOnlyItsLinesAndKeepsEveryLinesPlace) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/h.csv";
    writeAll(path, "1,1,0,10\r\n1,1,1,11\r\n1,1,2,12\r\n1,1,3,13\r\n");
    const auto column = climate::readHourlyColumn(path, climate::kTemperatureField, 1, 3);
    ASSERT_EQ(column.size(), 4u);
    EXPECT_EQ(column[0].kind, climate::HourlyValue::Kind::Missing);
    EXPECT_EQ(column[1].value, 11.0);
    EXPECT_EQ(column[2].value, 12.0);
    EXPECT_EQ(column[3].kind, climate::HourlyValue::Kind::Missing);
}

TEST(Windows1252, EveryByteSurvivesDecodingAndEncoding) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const QString text = climate::decodeWindows1252(all);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(climate::encodeWindows1252(text), all);
    EXPECT_EQ(climate::decodeWindows1252("Bel\xE9m \x80"), QString::fromUtf8("Belém €"));
}

TEST(Windows1252, RefusesWhatItCannotHold) {
    EXPECT_FALSE(climate::tryEncodeWindows1252(QString::fromUtf8("São 北京")).has_value());
    EXPECT_THROW(climate::encodeWindows1252(QString::fromUtf8("Δ")), climate::EncodingError);
    EXPECT_THROW(climate::utf8ToWindows1252("\xC3"), climate::EncodingError);
    EXPECT_EQ(climate::utf8ToWindows1252("Localização"), "Localiza\xE7\xE3o");
}

TEST(Utf8, ValidityFollowsTheStandard) {
    EXPECT_TRUE(climate::isValidUtf8(""));
    EXPECT_TRUE(climate::isValidUtf8("Mês €𝄞"));
    EXPECT_FALSE(climate::isValidUtf8("M\xEAs"));            // Windows-1252
    EXPECT_FALSE(climate::isValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(climate::isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(climate::isValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(climate::isValidUtf8("\xE2\x82"));          // cut short
}

}  // namespace
