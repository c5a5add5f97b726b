// The import of EnergyPlus weather files: where each value lands in the
// hourly file, missing values, leap years, names, broken files, the time
// zone of the index, and the season starts of each hemisphere.
#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/EpwSource.h"
#include "climate/TextFile.h"

#include "EpwTestSupport.h"
#include "ImportFixture.h"

#include <gmock/gmock.h>


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
    bool importEpw(const EpwOptions& options = {}) {
        const bool added = import(writeEpw(options));
        EXPECT_TRUE(added) << notifier.texts().join(" | ").toStdString();
        return added;
    }
};

// Line i holds the clock time i:00: date, hour, temperature and wind of the
// record ending then, radiation the mean of the records on either side.
TEST_F(EpwImport, PlacesTheRecordEndingAtEachHourOnItsLineAndWritesTheTimeZone) {
    ASSERT_TRUE(importEpw());
    EXPECT_EQ(index(),
              "Aracaju,-10.91,s/a,s/a,37.07\r\n"
              "Cidade_Teste,-22.90,cidade_teste.csv,cidade_teste.ventos.csv,43.2,-3\r\n");
    const Lines lines = hourly();
    ASSERT_EQ(lines.size(), 8760u);
    // 1 January at 0:00 holds the year's last record, 31 December at 24:00.
    EXPECT_EQ(lines[0], "12,31,24,34.31,0,0,0,0,0,0,0,5.2,0,0,0,125,0,256.5");
    EXPECT_EQ(lines[13], "1,1,13,23.01,0,0,0,0,0,0,0,3.1,195,0,0,135,0,271");
    EXPECT_EQ(lines[24 * 171 + 12], "6,21,12,22.21,0,0,0,0,0,0,0,2.6,180,0,0,125,0,256");
    EXPECT_EQ(lines[8759], "12,31,23,33.31,0,0,0,0,0,0,0,4.2,345,0,0,235,0,482");
    EXPECT_EQ(notifier.notices.back().details, "Valores ausentes preenchidos por interpolação: 0.");

    EpwOptions east;
    east.location = "LOCATION,Yangon,,MMR,Teste,480960,16.77,96.17,6.5,20";
    ASSERT_TRUE(importEpw(east));
    EXPECT_EQ(climate::splitLines(index())[2],
              "Yangon,16.77,yangon.csv,yangon.ventos.csv,-96.17,6.5");
}

TEST_F(EpwImport, LineEndingsMinutesAndLeapYearsGiveTheSameHourlyFile) {
    ASSERT_TRUE(importEpw());
    const std::string reference = cityFile("cidade_teste.csv");
    EpwOptions variants[3];
    variants[0].crlf = true;
    variants[1].minute = 0;
    // The default values depend on the date only, so 1 March follows 28 February.
    variants[2].leap = variants[2].crlf = true;
    for (const EpwOptions& options : variants) {
        SCOPED_TRACE(testing::Message() << "crlf " << options.crlf << " minute " << options.minute
                                        << " leap " << options.leap);
        notifier.answers = {true};
        ASSERT_TRUE(importEpw(options));
        EXPECT_EQ(cityFile("cidade_teste.csv"), reference);
    }
}

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
    ASSERT_TRUE(importEpw(options));
    EXPECT_EQ(notifier.notices.back().details,
              "Valores ausentes preenchidos por interpolação: 10.");
    const Lines lines = hourly();
    // Record r lies on line r + 1.
    const auto fields = [&](int line) {
        return climate::SplitCommaText(lines[static_cast<std::size_t>(line)]);
    };
    // 10 to 14 over three hours; 350 to 30 the short way: 0 (written 360,
    // still north), 10, 20.
    const char* const directions[] = {"360", "10", "20"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(fields(101 + k)[3], std::to_string(11 + k));
        EXPECT_EQ(fields(101 + k)[12], directions[k]);
    }
    // Speed between 3.1 and 0.1; global 90 between 80 and 100, then the mean with 100.
    EXPECT_EQ(fields(201)[11], "1.6");
    EXPECT_EQ(fields(201)[15], "95");
    EXPECT_EQ(fields(1)[3], "23.16");  // between 34.31 and 12.01
}

TEST_F(EpwImport, ALatin1OrUtf8NameBecomesTheSameWindows1252Name) {
    for (const bool utf8 : {false, true}) {
        EpwOptions options;
        const std::string name = utf8 ? "Florianópolis" : cp1252("Florianópolis");
        options.location = "LOCATION," + name + ",SC,BRA,INMET,838970,-27.60,-48.55,-3.0,2.0";
        notifier.answers = {true};
        ASSERT_TRUE(importEpw(options));
        EXPECT_EQ(
            climate::splitLines(index())[1],
            cp1252("Florianópolis,-27.60,florianópolis.csv,florianópolis.ventos.csv,48.55,-3"));
        EXPECT_EQ(hourly("florianópolis.csv").size(), 8760u);
    }
}

// Several sources quote the LOCATION name; the quotes are not part of it,
// and a comma inside them does not end it.
TEST(EpwSource, AQuotedLocationFieldIsWhatItsQuotesHold) {
    const std::pair<const char*, const char*> names[] = {
        {"\"VAN-NUYS-AP\"", "VAN-NUYS-AP"}, {" \"Porto Alegre\" ", "Porto_Alegre"},
        {"\"Denver, CO\"", "Denver,_CO"},   {"Plain", "Plain"},
        {"\"Aberta", "\"Aberta"},  // never closed: kept, and refused by the import
    };
    for (const auto& [field, name] : names) {
        SCOPED_TRACE(field);
        EpwOptions options;
        options.location =
            std::string("LOCATION,") + field + ",CA,USA,TMY3,722886,34.22,-118.48,-8.0,235.0";
        const climate::ImportSource source = climate::parseEpwSource(epwBytes(options));
        EXPECT_EQ(source.name, name);
        EXPECT_EQ(source.latitudeText, "34.22");
        EXPECT_DOUBLE_EQ(source.longitudeDeg, -118.48);
        EXPECT_EQ(source.timeZoneHours, -8.0);
    }
}

TEST_F(EpwImport, AQuotedNameGivesTheCityAndFilesWithoutQuotes) {
    EpwOptions options;
    options.location = "LOCATION,\"VAN-NUYS-AP\",CA,USA,TMY3,722886,34.22,-118.48,-8.0,235.0";
    ASSERT_TRUE(importEpw(options));
    EXPECT_EQ(climate::splitLines(index())[1],
              "VAN-NUYS-AP,34.22,van-nuys-ap.csv,van-nuys-ap.ventos.csv,118.48,-8");
    EXPECT_EQ(hourly("van-nuys-ap.csv").size(), 8760u);
}

// A broken file is refused when chosen, with the message naming what and
// where, and nothing is written.
TEST_F(EpwImport, ABrokenFileIsRefusedWhenChosen) {
    const struct {
        std::function<void(Lines&)> damage;
        const char* message;
        const char* where;  // in the details
    } cases[] = {
        {[](Lines& l) { l[2] = "TYPICAL PERIODS,0"; }, "Arquivo inválido!", "linha 3"},
        {[](Lines& l) { l.resize(6); }, "Arquivo inválido!", "linha 7"},
        {[](Lines& l) { l[0] = "LOCATION,Cidade,RJ,BRA,Teste,0,-22.9,-43.2"; }, "Erro!",
         "linha 1"},  // no time zone
        {[](Lines& l) { l[0] = "LOCATION,C,RJ,BRA,T,0,-22.9,oeste,-3,1"; }, "Erro!", "linha 1"},
        {[](Lines& l) { l[7] = "DATA PERIODS,1,4,Data,Sunday, 1/ 1,12/31"; }, "Erro!",
         "linha 8"},  // four records an hour
        {[](Lines& l) { std::swap(l[20], l[21]); }, "Erro!", "linha 21"},
        {[](Lines& l) { l.erase(l.begin() + 5000); }, "Erro!", "linha 5001"},
        {[](Lines& l) { l.push_back(l.back()); }, "Erro!", "linha 8769"},
        {[](Lines& l) { l[9].replace(l[9].find(",60,"), 4, ",30,"); }, "Erro!", "linha 10"},
        {[](Lines& l) { l[30].replace(l[30].find("E0?9?9?9,"), 9, "E0?9?9?9,quente"); }, "Erro!",
         "linha 31"},
        {[](Lines& l) { l[40].resize(30); }, "Erro!", "linha 41"},
    };
    const auto before = database();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Lines lines = epwLines();
        c.damage(lines);
        notifier.notices.clear();
        session.choose(writeSource(joinEpw(lines, false), "ruim.epw"));
        EXPECT_FALSE(session.includeEnabled());
        ASSERT_EQ(notifier.notices.size(), 1u);
        EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Error);
        EXPECT_EQ(notifier.notices[0].text, QString::fromUtf8(c.message));
        EXPECT_TRUE(notifier.notices[0].details.contains(QString::fromUtf8(c.where)))
            << notifier.notices[0].details.toStdString();
    }
    EXPECT_EQ(database(), before);
}

TEST(EpwSource, DirectionsInterpolateTheShortWayRound) {
    for (const auto& [from, to, t, expected] :
         {std::array{90.0, 180.0, 0.5, 135.0}, std::array{350.0, 10.0, 0.5, 360.0},
          std::array{10.0, 350.0, 0.25, 5.0}, std::array{340.0, 20.0, 0.75, 10.0},
          std::array{0.0, 0.0, 0.5, 0.0}, std::array{200.0, 100.0, 0.5, 150.0}}) {
        EXPECT_DOUBLE_EQ(climate::interpolateDirection(from, to, t), expected)
            << from << " to " << to << " at " << t;
    }
}

TEST(EpwSource, FillingWrapsRoundTheYearAndNeedsOneValidValue) {
    std::vector<double> values{0, 0, 20, 0, 0, 10};
    EXPECT_EQ(climate::fillMissing(values, {true, true, false, true, true, false}, false, "x"), 4);
    // From 10 (last) over 0 and 1 to 20; from 20 over 3 and 4 to 10.
    EXPECT_THAT(values, ::testing::Pointwise(::testing::DoubleNear(1e-9),
                                             {10 + 10.0 / 3, 10 + 20.0 / 3, 20.0, 20 - 10.0 / 3,
                                              20 - 20.0 / 3, 10.0}));
    std::vector<double> none{0, 0};
    EXPECT_THROW(climate::fillMissing(none, {true, true}, false, "x"), climate::FormatError);
}

QString joined(const climate::SeasonStartTexts& texts) {
    QStringList all;
    for (const auto& t : texts) {
        all << t.day + "/" + t.month + "/" + t.hour;
    }
    return all.join(' ');
}

TEST(SeasonHemisphere, OnlyWholeStartsHoldingTheOtherHemispheresDefaultsChange) {
    using climate::Hemisphere;
    const auto south = climate::defaultSeasonStartTexts();
    const auto north = climate::defaultSeasonStartTexts(Hemisphere::North);
    EXPECT_EQ(joined(south), "22/09/18 21/12/14 20/03/08 21/06/02");
    EXPECT_EQ(joined(north), "20/03/08 21/06/02 22/09/18 21/12/14");
    EXPECT_EQ(joined(climate::seasonStartTextsFor(Hemisphere::North, south)), joined(north));
    EXPECT_EQ(joined(climate::seasonStartTextsFor(Hemisphere::South, north)), joined(south));
    EXPECT_EQ(joined(climate::seasonStartTextsFor(Hemisphere::South, south)), joined(south));
    auto typed = south;
    typed[0].hour = "19";   // changed by the person: spring stays whole
    typed[2].day = " 20 ";  // autumn's default, blanks around it
    typed[3].hour = "14";   // the northern winter hour, typed for the southern winter
    EXPECT_EQ(joined(climate::seasonStartTextsFor(Hemisphere::North, typed)),
              "22/09/19 21/06/02 22/09/18 21/06/14");

    EXPECT_EQ(climate::hemisphereOfLatitude("33.93"), Hemisphere::North);
    EXPECT_EQ(climate::hemisphereOfLatitude("-27,6"), Hemisphere::South);
    EXPECT_EQ(climate::hemisphereOfLatitude("0"), std::nullopt);
    EXPECT_EQ(climate::hemisphereOfLatitude("norte"), std::nullopt);
}

// The regional source is the one the edits' defaults were made for: it
// switches nothing, south or north of the equator (the import window's tests
// turn the starts for EPW sources of either hemisphere).
TEST_F(EpwImport, ARegionalSourceNamesNoHemisphereForTheSeasonStarts) {
    session.choose(writeSource(sourceBytes({})));
    EXPECT_TRUE(session.includeEnabled());
    EXPECT_EQ(session.seasonHemisphere(), std::nullopt);
    SourceOptions boaVista;
    boaVista.location = "Boa Vista,2.82,-60.67";
    session.choose(writeSource(sourceBytes(boaVista), "boa_vista.csv"));
    EXPECT_TRUE(session.includeEnabled());
    EXPECT_EQ(session.seasonHemisphere(), std::nullopt);
}

// A real file: Los Angeles, NREL TMY3, kept with the bundled database.
TEST(EpwSource, ARealFileLandsOnTheHoursOfTheYear) {
    const QString path = QStringLiteral(ZENITA_SOURCE_DATA_DIR
                                        "/sources/epw/USA_CA_Los.Angeles.Intl.AP.722950_TMY3.epw");
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

}  // namespace
