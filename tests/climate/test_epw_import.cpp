// The import of EnergyPlus weather files: where each value lands in the
// hourly file, missing values, leap years, names, broken files, the time
// zone of the index, and the season starts of each hemisphere.
#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/EpwSource.h"
#include "climate/TextFile.h"
#include "math/numbers.h"

#include "EpwTestSupport.h"
#include "ImportFixture.h"

#include <gmock/gmock.h>

#include <cctype>
#include <cmath>
#include <filesystem>

using climate::NoticeKind;
using Lines = std::vector<std::string>;

namespace {

class EpwImport : public ImportFixture {
protected:
    QString writeEpw(const EpwOptions& options = {}, const char* name = "cidade.epw") const {
        return writeSource(epwBytes(options), name);
    }
    Lines hourly(const char* file = "cidade_teste.csv") const {
        return climate::splitLines(cityFile(file));
    }
    // Chooses and includes with the default season starts.
    bool importEpw(const EpwOptions& options = {}) { return import(writeEpw(options)); }
};

// The hourly line an EPW year gives at clock time i:00 (line i).
std::string expectedLine(const EpwRecord& ending, const EpwRecord& starting) {
    const auto mean = [](const std::string& a, const std::string& b) {
        return math::formatGeneral((math::toNumber(a) + math::toNumber(b)) / 2);
    };
    const auto general = [](const std::string& v) {
        return math::formatGeneral(math::toNumber(v));
    };
    return std::to_string(ending.month) + "," + std::to_string(ending.day) + "," +
           std::to_string(ending.hour) + "," + general(ending.dryBulb) + ",0,0,0,0,0,0,0," +
           general(ending.windSpeed) + "," + general(ending.windDirection) + ",0,0," +
           mean(ending.globalHorizontal, starting.globalHorizontal) + ",0," +
           mean(ending.directNormal, starting.directNormal);
}

}  // namespace

TEST_F(EpwImport, PlacesTheRecordEndingAtEachHourOnItsLineAndWritesTheTimeZone) {
    ASSERT_TRUE(importEpw()) << notifier.texts().join(" | ").toStdString();
    EXPECT_EQ(index(),
              "Aracaju,-10.91,s/a,s/a,37.07\r\n"
              "Cidade_Teste,-22.90,cidade_teste.csv,cidade_teste.ventos.csv,43.2,-3\r\n");
    const Lines lines = hourly();
    ASSERT_EQ(lines.size(), 8760u);
    // Line 0 (1 January, 0:00) holds the year's last record, 31 December at 24:00.
    EXPECT_EQ(lines[0],
              expectedLine(defaultEpwRecord(12, 31, 24, 8759), defaultEpwRecord(1, 1, 1, 0)));
    EXPECT_EQ(lines[0], "12,31,24,34.31,0,0,0,0,0,0,0,5.2,0,0,0,125,0,256.5");
    EXPECT_EQ(lines[13],
              expectedLine(defaultEpwRecord(1, 1, 13, 12), defaultEpwRecord(1, 1, 14, 13)));
    EXPECT_EQ(lines[24 * 171 + 12], expectedLine(defaultEpwRecord(6, 21, 12, 24 * 171 + 11),
                                                 defaultEpwRecord(6, 21, 13, 24 * 171 + 12)));
    EXPECT_EQ(lines[8759],
              expectedLine(defaultEpwRecord(12, 31, 23, 8758), defaultEpwRecord(12, 31, 24, 8759)));
    // The success says how many values were filled: none here.
    EXPECT_EQ(notifier.notices.back().details, "Valores ausentes preenchidos por interpolação: 0.");
}

TEST_F(EpwImport, AnEastLongitudeIsStoredNegativeAndTheZoneKeepsItsFraction) {
    EpwOptions east;
    east.location = "LOCATION,Yangon,,MMR,Teste,480960,16.77,96.17,6.5,20";
    ASSERT_TRUE(importEpw(east));
    EXPECT_EQ(climate::splitLines(index())[1],
              "Yangon,16.77,yangon.csv,yangon.ventos.csv,-96.17,6.5");
}

// Line endings and the two ways of writing an hour's minute give one file.
class EpwVariants : public EpwImport,
                    public ::testing::WithParamInterface<std::tuple<bool, int>> {};

TEST_P(EpwVariants, GiveTheSameHourlyFile) {
    ASSERT_TRUE(importEpw());
    const std::string reference = cityFile("cidade_teste.csv");
    EpwOptions options;
    std::tie(options.crlf, options.minute) = GetParam();
    notifier.answers = {true};
    ASSERT_TRUE(importEpw(options)) << notifier.texts().join(" | ").toStdString();
    EXPECT_EQ(cityFile("cidade_teste.csv"), reference);
}

INSTANTIATE_TEST_SUITE_P(LineEndingsAndMinutes, EpwVariants,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(0, 60)));

TEST_F(EpwImport, MissingValuesAreInterpolatedInTimeAndCounted) {
    EpwOptions options;
    options.edit = [](EpwRecord& r) {
        if (r.index == 99) {
            r.dryBulb = "10";
            r.windDirection = "350";
        } else if (r.index >= 100 && r.index <= 102) {
            r.dryBulb = "99.9";  // three missing between 10 and 14
            r.windDirection = "999";
        } else if (r.index == 103) {
            r.dryBulb = "14";
            r.windDirection = "30";
        } else if (r.index == 200) {
            r.globalHorizontal = "9999";
            r.directNormal = "";  // an empty field is missing too
            r.windSpeed = "999";
        } else if (r.index == 0) {
            r.dryBulb = "99.9";  // the year wraps: between records 8759 and 1
        }
    };
    ASSERT_TRUE(importEpw(options)) << notifier.texts().join(" | ").toStdString();
    EXPECT_EQ(notifier.notices.back().details,
              "Valores ausentes preenchidos por interpolação: 10.");
    const Lines lines = hourly();
    const auto field = [&](int line, int f) {
        return climate::SplitCommaText(
            lines[static_cast<std::size_t>(line)])[static_cast<std::size_t>(f)];
    };
    // Record r lies on line r + 1.
    EXPECT_EQ(field(101, 3), "11");
    EXPECT_EQ(field(102, 3), "12");
    EXPECT_EQ(field(103, 3), "13");
    // 350 to 30 the short way: 0 (written 360, still north), 10, 20.
    EXPECT_EQ(field(101, 12), "360");
    EXPECT_EQ(field(102, 12), "10");
    EXPECT_EQ(field(103, 12), "20");
    const EpwRecord before = defaultEpwRecord(1, 9, 8, 199);
    const EpwRecord after = defaultEpwRecord(1, 9, 10, 201);
    const double global =
        (math::toNumber(before.globalHorizontal) + math::toNumber(after.globalHorizontal)) / 2;
    EXPECT_EQ(field(201, 11),
              math::formatGeneral(
                  (math::toNumber(before.windSpeed) + math::toNumber(after.windSpeed)) / 2));
    // Radiation on a line is the mean of the records on either side of it.
    EXPECT_EQ(field(201, 15),
              math::formatGeneral((global + math::toNumber(after.globalHorizontal)) / 2));
    const double wrapped = (math::toNumber(defaultEpwRecord(12, 31, 24, 8759).dryBulb) +
                            math::toNumber(defaultEpwRecord(1, 1, 2, 1).dryBulb)) /
                           2;
    EXPECT_EQ(field(1, 3), math::formatGeneral(wrapped));
}

TEST_F(EpwImport, ALeapYearLosesTwentyNinthFebruary) {
    ASSERT_TRUE(importEpw());
    const std::string common = cityFile("cidade_teste.csv");
    EpwOptions leap;
    leap.leap = true;
    notifier.answers = {true};
    ASSERT_TRUE(importEpw(leap)) << notifier.texts().join(" | ").toStdString();
    // The default values depend on the date only, so 1 March follows 28 February.
    EXPECT_EQ(cityFile("cidade_teste.csv"), common);
}

TEST_F(EpwImport, ALatin1OrUtf8NameBecomesTheSameWindows1252Name) {
    for (const bool utf8 : {false, true}) {
        EpwOptions options;
        const std::string name = utf8 ? "Florianópolis" : cp1252("Florianópolis");
        options.location = "LOCATION," + name + ",SC,BRA,INMET,838970,-27.60,-48.55,-3.0,2.0";
        notifier.answers = {true};
        ASSERT_TRUE(importEpw(options)) << notifier.texts().join(" | ").toStdString();
        EXPECT_EQ(
            climate::splitLines(index())[1],
            cp1252("Florianópolis,-27.60,florianópolis.csv,florianópolis.ventos.csv,48.55,-3"));
        EXPECT_EQ(hourly("florianópolis.csv").size(), 8760u);
    }
}

// A broken file is refused when chosen, with the message naming what and
// where, and nothing is written.
struct BrokenEpw {
    const char* why;
    std::function<void(Lines&)> damage;
    const char* message;
    const char* where;  // in the details
};

class BrokenEpwTest : public EpwImport, public ::testing::WithParamInterface<BrokenEpw> {};

TEST_P(BrokenEpwTest, IsRefusedWhenChosenAndNothingIsWritten) {
    Lines lines = epwLines();
    GetParam().damage(lines);
    const auto before = database();
    session.choose(writeSource(joinEpw(lines, false), "ruim.epw"));
    EXPECT_FALSE(session.includeEnabled());
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Error);
    EXPECT_EQ(notifier.notices[0].text, QString::fromUtf8(GetParam().message));
    EXPECT_TRUE(notifier.notices[0].details.contains(QString::fromUtf8(GetParam().where)))
        << notifier.notices[0].details.toStdString();
    EXPECT_EQ(database(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenEpwTest,
    ::testing::Values(
        BrokenEpw{"header keyword", [](Lines& l) { l[2] = "TYPICAL PERIODS,0"; },
                  "Arquivo inválido!", "linha 3"},
        BrokenEpw{"headers only", [](Lines& l) { l.resize(6); }, "Arquivo inválido!", "linha 7"},
        BrokenEpw{"no time zone",
                  [](Lines& l) { l[0] = "LOCATION,Cidade,RJ,BRA,Teste,0,-22.9,-43.2"; }, "Erro!",
                  "linha 1"},
        BrokenEpw{"longitude", [](Lines& l) { l[0] = "LOCATION,C,RJ,BRA,T,0,-22.9,oeste,-3,1"; },
                  "Erro!", "linha 1"},
        BrokenEpw{"sub-hourly", [](Lines& l) { l[7] = "DATA PERIODS,1,4,Data,Sunday, 1/ 1,12/31"; },
                  "Erro!", "linha 8"},
        BrokenEpw{"swapped records", [](Lines& l) { std::swap(l[20], l[21]); }, "Erro!",
                  "linha 21"},
        BrokenEpw{"a record less", [](Lines& l) { l.erase(l.begin() + 5000); }, "Erro!",
                  "linha 5001"},
        BrokenEpw{"a record more", [](Lines& l) { l.push_back(l.back()); }, "Erro!", "linha 8769"},
        BrokenEpw{"half an hour", [](Lines& l) { l[9].replace(l[9].find(",60,"), 4, ",30,"); },
                  "Erro!", "linha 10"},
        BrokenEpw{"temperature text",
                  [](Lines& l) {
                      l[30].replace(l[30].find(",?9?9?9?9E0?9?9?9,"), 18,
                                    ",?9?9?9?9E0?9?9?9,quente");
                  },
                  "Erro!", "linha 31"},
        BrokenEpw{"short record", [](Lines& l) { l[40].resize(30); }, "Erro!", "linha 41"},
        BrokenEpw{"no temperature at all",
                  [](Lines& l) {
                      for (std::size_t i = 8; i < l.size(); ++i) {
                          std::string line = l[i];
                          const auto at = line.find(",?9?9?9?9E0?9?9?9,") + 18;
                          l[i] = line.substr(0, at) + "99.9" + line.substr(line.find(',', at));
                      }
                  },
                  "Erro!", "temperatura de bulbo seco"}),
    [](const auto& test) {
        std::string name = test.param.why;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(EpwSource, DirectionsInterpolateTheShortWayRound) {
    struct Case {
        double from, to, t, expected;
    };
    for (const Case& c : {Case{90, 180, 0.5, 135}, Case{350, 10, 0.5, 360}, Case{10, 350, 0.25, 5},
                          Case{340, 20, 0.75, 10}, Case{0, 0, 0.5, 0}, Case{200, 100, 0.5, 150}}) {
        EXPECT_DOUBLE_EQ(climate::interpolateDirection(c.from, c.to, c.t), c.expected)
            << c.from << " to " << c.to << " at " << c.t;
    }
}

TEST(EpwSource, FillingWrapsRoundTheYearAndNeedsOneValidValue) {
    std::vector<double> values{0, 0, 20, 0, 0, 10};
    const std::vector<bool> missing{true, true, false, true, true, false};
    EXPECT_EQ(climate::fillMissing(values, missing, false, "x"), 4);
    // From 10 (last) over 0 and 1 to 20; from 20 over 3 and 4 to 10.
    const std::vector<double> expected{10 + 10.0 / 3, 10 + 20.0 / 3, 20,
                                       20 - 10.0 / 3, 20 - 20.0 / 3, 10};
    EXPECT_THAT(values, ::testing::Pointwise(::testing::DoubleNear(1e-9), expected));
    std::vector<double> none{0, 0};
    EXPECT_THROW(climate::fillMissing(none, {true, true}, false, "x"), climate::FormatError);
}

TEST(CityIndexTimeZone, IsTheSixthFieldWhenItIsOne) {
    std::vector<climate::CityIndexEntry> entries;
    climate::parseCityIndex({"A,1,s/a,s/a,118.4,-8", "B,1,s/a,s/a,45", "C,1,s/a,s/a,45,extra",
                             "D,1,s/a,s/a,45,15", "E,1,s/a,s/a,-96.17,6.5,more"},
                            entries);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].timeZoneHours, -8.0);
    EXPECT_EQ(entries[1].timeZoneHours, std::nullopt);
    EXPECT_EQ(entries[2].timeZoneHours, std::nullopt);
    EXPECT_EQ(entries[3].timeZoneHours, std::nullopt);
    EXPECT_EQ(entries[4].timeZoneHours, 6.5);
    EXPECT_DOUBLE_EQ(climate::standardMeridianDegWest(-8.0), 120.0);
    EXPECT_DOUBLE_EQ(climate::standardMeridianDegWest(1.0), -15.0);
    EXPECT_DOUBLE_EQ(climate::standardMeridianDegWest(std::nullopt), 45.0);
}

TEST(SeasonHemisphere, OnlyEditsHoldingTheOtherHemispheresDefaultsChange) {
    using climate::Hemisphere;
    const auto south = climate::defaultSeasonStartTexts();
    const auto north = climate::defaultSeasonStartTexts(Hemisphere::North);
    EXPECT_EQ(north[0].day, "20");  // spring in the north starts on 20 March at 8 h
    EXPECT_EQ(north[0].month, "03");
    EXPECT_EQ(north[0].hour, "08");
    EXPECT_EQ(north[1].month, "06");
    EXPECT_EQ(north[3].month, "12");
    const auto same = [](const climate::SeasonStartTexts& a, const climate::SeasonStartTexts& b) {
        for (int s = 0; s < 4; ++s) {
            if (a[s].day != b[s].day || a[s].month != b[s].month || a[s].hour != b[s].hour) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(same(climate::seasonStartTextsFor(Hemisphere::North, south), north));
    EXPECT_TRUE(same(climate::seasonStartTextsFor(Hemisphere::South, north), south));
    EXPECT_TRUE(same(climate::seasonStartTextsFor(Hemisphere::South, south), south));

    auto typed = south;
    typed[0].hour = "19";   // changed by the person
    typed[2].day = " 20 ";  // autumn's default, blanks around it
    const auto switched = climate::seasonStartTextsFor(Hemisphere::North, typed);
    EXPECT_EQ(switched[0].day, "20");
    EXPECT_EQ(switched[0].hour, "19");
    EXPECT_EQ(switched[2].day, "22");

    EXPECT_EQ(climate::hemisphereOfLatitude("33.93"), Hemisphere::North);
    EXPECT_EQ(climate::hemisphereOfLatitude("-27,6"), Hemisphere::South);
    EXPECT_EQ(climate::hemisphereOfLatitude("0"), std::nullopt);
    EXPECT_EQ(climate::hemisphereOfLatitude("norte"), std::nullopt);
}

TEST_F(EpwImport, TheSessionNamesTheHemisphereOfTheSeasonStartsToUse) {
    session.choose(writeEpw());
    EXPECT_EQ(session.seasonHemisphere(), climate::Hemisphere::South);
    EpwOptions north;
    north.location = "LOCATION,Norte,,,T,0,44.53,11.29,1.0,37";
    session.choose(writeEpw(north, "norte.epw"));
    EXPECT_EQ(session.seasonHemisphere(), climate::Hemisphere::North);
    // The regional source keeps its country's southern seasons: it turns
    // northern edits back, and never turns them north.
    session.choose(writeSource(sourceBytes({})));
    EXPECT_TRUE(session.includeEnabled());
    EXPECT_EQ(session.seasonHemisphere(), climate::Hemisphere::South);
    SourceOptions boaVista;
    boaVista.location = "Boa Vista,2.82,-60.67";
    session.choose(writeSource(sourceBytes(boaVista), "boa_vista.csv"));
    EXPECT_TRUE(session.includeEnabled());
    EXPECT_EQ(session.seasonHemisphere(), std::nullopt);
}

// A real file: Los Angeles, NREL TMY3, kept with the bundled database.
TEST(EpwSource, ARealFileLandsOnTheHoursOfTheYear) {
    const QString path =
        QString::fromStdString((std::filesystem::path(__FILE__).parent_path() /
                                "../../data/sources/epw/USA_CA_Los.Angeles.Intl.AP.722950_TMY3.epw")
                                   .string());
    const climate::ImportSource source = climate::readImportSource(path);
    EXPECT_EQ(source.format, climate::SourceFormat::Epw);
    EXPECT_EQ(source.name, "Los_Angeles_Intl_Arpt");
    EXPECT_EQ(source.latitudeText, "33.93");
    EXPECT_DOUBLE_EQ(source.longitudeDeg, -118.4);
    EXPECT_EQ(source.timeZoneHours, -8.0);
    EXPECT_EQ(source.filledValues, 0);
    ASSERT_EQ(source.dataLines.size(), 8760u);
    EXPECT_EQ(source.dataLines[0], "12,31,24,11.7,0,0,0,0,0,0,0,1.5,40,0,0,0,0,0");
    EXPECT_EQ(source.dataLines[1], "1,1,1,12.2,0,0,0,0,0,0,0,1.5,60,0,0,0,0,0");
    // 21 June at 12:00: the record of hour 12 (19.4 °C, wind 5.7 m/s from
    // 270°; 627 and 162 Wh/m²) and of hour 13 (911 and 524 Wh/m²).
    EXPECT_EQ(source.dataLines[24 * 171 + 12], "6,21,12,19.4,0,0,0,0,0,0,0,5.7,270,0,0,769,0,343");
}
