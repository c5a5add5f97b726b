#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/ImportSteps.h"
#include "climate/SeasonWindStatistics.h"
#include "climate/TextFile.h"

#include "ImportFixture.h"

#include <functional>

using climate::NoticeKind;
using Lines = std::vector<std::string>;

namespace {

Lines dataLines(const SourceOptions& options = {}) {
    Lines lines = sourceLines(options);
    lines.erase(lines.begin(), lines.begin() + 4);
    return lines;
}

std::array<int, 4> defaultStartLines() {
    return {dataLineOf(9, 22, 18), dataLineOf(12, 21, 14), dataLineOf(3, 20, 8),
            dataLineOf(6, 21, 2)};
}

using ImportTest = ImportFixture;

TEST_F(ImportTest, PortoAlegreEndToEnd) {
    const QString path = writeSource(sourceBytes({}));
    session.choose(path);
    EXPECT_TRUE(notifier.notices.empty());
    EXPECT_EQ(session.filePath(), path);
    EXPECT_EQ(session.cityName(), "Porto_Alegre");
    EXPECT_EQ(session.latitudeText(), "-30.03");
    EXPECT_EQ(session.longitudeText(), "51.22");
    ASSERT_TRUE(session.includeEnabled());

    EXPECT_TRUE(session.include(climate::defaultSeasonStartTexts()));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Confirmation);
    EXPECT_FALSE(notifier.notices[0].question);
    EXPECT_EQ(notifier.notices[0].text, "Porto_Alegre incluso com sucesso!");
    EXPECT_TRUE(session.cityAdded());
    EXPECT_FALSE(session.includeEnabled());

    EXPECT_EQ(index(),
              "Aracaju,-10.91,s/a,s/a,37.07\r\n"
              "Porto_Alegre,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22\r\n");
    const Lines data = dataLines();
    EXPECT_EQ(cityFile("porto_alegre.csv"), joinCrLf(data));
    EXPECT_EQ(cityFile("porto_alegre.ventos.csv"),
              joinCrLf(climate::SeasonWindStatistics(data, defaultStartLines())));
    EXPECT_EQ(climate::splitLines(cityFile("porto_alegre.ventos.csv")).size(), 20u);
    const QStringList files = QDir(base() + "/cidades").entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(files, (QStringList{"porto_alegre.csv", "porto_alegre.ventos.csv"}));
}

TEST_F(ImportTest, ActivationEmptiesTheFieldsAndForgetsTheAddedCity) {
    ASSERT_TRUE(import(writeSource(sourceBytes({}))));
    session.activate();
    EXPECT_FALSE(session.cityAdded());
    EXPECT_FALSE(session.includeEnabled());
    EXPECT_TRUE(session.filePath().isEmpty());
    EXPECT_TRUE(session.cityName().isEmpty());
    EXPECT_TRUE(session.latitudeText().isEmpty());
    EXPECT_TRUE(session.longitudeText().isEmpty());
}

TEST_F(ImportTest, SeasonEditsMatchMonthsWithOrWithoutLeadingZero) {
    // Padded months in the file against the default "09"; plain ones against "9".
    for (const bool padded : {true, false}) {
        SourceOptions options;
        options.paddedMonths = padded;
        auto starts = climate::defaultSeasonStartTexts();
        if (!padded) {
            starts[0].month = " 9 ";
            starts[2].month = "3";
        }
        notifier.answers = {true};  // the second round replaces the first
        EXPECT_TRUE(import(writeSource(sourceBytes(options)), starts)) << padded;
        EXPECT_EQ(cityFile("porto_alegre.ventos.csv"),
                  joinCrLf(climate::SeasonWindStatistics(dataLines(options), defaultStartLines())))
            << padded;
    }
}

TEST_F(ImportTest, TheLaterOfTwoMatchingLinesStartsTheSeason) {
    Lines lines = sourceLines({});
    const std::size_t last = lines.size() - 1;
    Lines fields = climate::SplitCommaText(lines[last]);
    fields[0] = "9";
    fields[1] = "22";
    fields[2] = "18";
    lines[last] = climate::JoinCommaText(fields);
    ASSERT_TRUE(import(writeSource(climate::utf8ToWindows1252(joinCrLf(lines)))));
    Lines data(lines.begin() + 4, lines.end());
    auto starts = defaultStartLines();
    starts[0] = static_cast<int>(data.size()) - 1;
    EXPECT_EQ(cityFile("porto_alegre.ventos.csv"),
              joinCrLf(climate::SeasonWindStatistics(data, starts)));
}

TEST_F(ImportTest, AFileWithOnlyItsHeadersShowsTheFourSeasonMessagesInOrder) {
    SourceOptions options;
    options.days = 0;
    const auto before = database();
    EXPECT_FALSE(import(writeSource(sourceBytes(options))));
    EXPECT_EQ(notifier.texts(),
              (QStringList{"Data/Hora de início da Primavera não localizado no arquivo!",
                           "Data/Hora de início do Verão não localizado no arquivo!",
                           "Data/Hora de início do Outono não localizado no arquivo!",
                           "Data/Hora de início do Inverno não localizado no arquivo!"}));
    for (const auto& n : notifier.notices) {
        EXPECT_EQ(n.kind, NoticeKind::Warning);
    }
    EXPECT_EQ(database(), before);
    EXPECT_FALSE(session.cityAdded());
    EXPECT_TRUE(session.includeEnabled());  // the user may change the starts and try again
}

TEST_F(ImportTest, OnlyTheMissingSeasonsAreNamed) {
    auto starts = climate::defaultSeasonStartTexts();
    starts[1].day = "32";
    starts[3].hour = "0";
    EXPECT_FALSE(import(writeSource(sourceBytes({})), starts));
    EXPECT_EQ(notifier.texts(),
              (QStringList{"Data/Hora de início do Verão não localizado no arquivo!",
                           "Data/Hora de início do Inverno não localizado no arquivo!"}));
}

TEST_F(ImportTest, EmptyFieldsBecomeZeroAndAnEmptyLastFieldIsKept) {
    Lines lines = sourceLines({});
    Lines first = climate::SplitCommaText(lines[4]);
    first[3] = "";
    lines[4] = climate::JoinCommaText(first);  // empty temperature
    Lines second = climate::SplitCommaText(lines[5]);
    second.pop_back();
    lines[5] = climate::JoinCommaText(second) + ",";  // empty direct radiation, the last field
    ASSERT_TRUE(import(writeSource(climate::utf8ToWindows1252(joinCrLf(lines)))));
    const Lines hourly = climate::splitLines(cityFile("porto_alegre.csv"));
    first[3] = "0";
    second.push_back("0");
    EXPECT_EQ(hourly[0], climate::JoinCommaText(first));
    EXPECT_EQ(hourly[1], climate::JoinCommaText(second));
    EXPECT_EQ(climate::SplitCommaText(hourly[1]).size(), 18u);
}

struct BrokenSource {
    const char* name;
    std::function<void(Lines&)> breakIt;
    const char* lineMention;
};

class BrokenSourceTest : public ImportFixture,
                         public ::testing::WithParamInterface<BrokenSource> {};

TEST_P(BrokenSourceTest, EndsWithErrorAndLeavesTheDatabaseAsItWas) {
    Lines lines = sourceLines({});
    GetParam().breakIt(lines);
    const auto before = database();
    session.choose(writeSource(climate::utf8ToWindows1252(joinCrLf(lines))));
    ASSERT_TRUE(session.includeEnabled());
    EXPECT_FALSE(session.include(climate::defaultSeasonStartTexts()));
    expectOnlyError(GetParam().name);
    EXPECT_TRUE(notifier.notices[0].details.contains(GetParam().lineMention))
        << notifier.notices[0].details.toStdString();
    EXPECT_EQ(database(), before);
    EXPECT_FALSE(session.cityAdded());
}

void setField(Lines& lines, std::size_t line, std::size_t field, const char* value) {
    Lines fields = climate::SplitCommaText(lines[line]);
    fields[field] = value;
    lines[line] = climate::JoinCommaText(fields);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, BrokenSourceTest,
    ::testing::Values(
        BrokenSource{"BlankLineAmongData", [](Lines& l) { l.insert(l.begin() + 104, ""); },
                     "linha 105"},
        BrokenSource{"BlankLineAtTheEnd", [](Lines& l) { l.push_back(""); }, "linha 8765"},
        BrokenSource{"MonthNotAnInteger", [](Lines& l) { setField(l, 5000, 0, "9.5"); },
                     "linha 5001"},
        BrokenSource{"HourNotAnIntegerOffSeason", [](Lines& l) { setField(l, 1000, 2, "x"); },
                     "linha 1001"},
        BrokenSource{"DayNotAnIntegerInASeasonMonth",
                     [](Lines& l) { setField(l, 4 + dataLineOf(9, 1, 1), 1, "primeiro"); },
                     "primeiro"},
        BrokenSource{"SpeedNotANumber", [](Lines& l) { setField(l, 7000, 11, "forte"); },
                     "linha 7001"},
        BrokenSource{"LineTooShortForTheWind", [](Lines& l) { l[300] = "1,13,5,20,0,0,0,0"; },
                     "linha 301"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(ImportTest, ANonIntegerSeasonEditIsAnError) {
    auto starts = climate::defaultSeasonStartTexts();
    starts[2].hour = "8h";
    const auto before = database();
    session.choose(writeSource(sourceBytes({})));
    EXPECT_FALSE(session.include(starts));
    expectOnlyError("season edit");
    EXPECT_TRUE(notifier.notices[0].details.contains("8h"));
    EXPECT_EQ(database(), before);
}

TEST_F(ImportTest, IncludeChecksTheFileAndTheEditsFirst) {
    EXPECT_FALSE(session.include(climate::defaultSeasonStartTexts()));
    EXPECT_EQ(notifier.texts(), QStringList{"Nenhum arquivo selecionado!"});
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning);

    session.choose(writeSource(sourceBytes({})));
    notifier.notices.clear();
    for (int field = 0; field < 12; ++field) {
        auto starts = climate::defaultSeasonStartTexts();
        QString& text = field < 4   ? starts[field].day
                        : field < 8 ? starts[field - 4].month
                                    : starts[field - 8].hour;
        text = " \t";
        EXPECT_FALSE(session.include(starts));
    }
    EXPECT_EQ(notifier.texts(),
              QStringList(12, "Preencha todos os dias, meses e horas iniciais das estações!"));
    EXPECT_EQ(index(), "Aracaju,-10.91,s/a,s/a,37.07\r\n");
}

TEST_F(ImportTest, ACitiesFolderThatCannotBeWrittenLeavesTheDatabaseAsItWas) {
    QDir(base()).rmdir("cidades");
    writeAll(base() + "/cidades", "a file in the folder's place");
    const auto before = database();
    EXPECT_FALSE(import(writeSource(sourceBytes({}))));
    expectOnlyError("cidades is a file");
    EXPECT_EQ(database(), before);
}

TEST_F(ImportTest, AMissingCitiesFolderIsMade) {
    QDir(base()).rmdir("cidades");
    EXPECT_TRUE(import(writeSource(sourceBytes({}))));
    EXPECT_FALSE(cityFile("porto_alegre.csv").empty());
}

TEST_F(ImportTest, AFailedIndexReplacementPutsTheCityFilesBack) {
    // An existing city whose files would be replaced.
    writeIndex({"Aracaju,-10.91,s/a,s/a,37.07",
                "Porto_Alegre,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22"});
    writeAll(base() + "/cidades/porto_alegre.csv", "old hourly\r\n");
    writeAll(base() + "/cidades/porto_alegre.ventos.csv", "old wind\r\n");
    const auto before = database();
    session.setBeforeReplaceForTesting([&](const QString& target) {
        if (target.endsWith("Latitudes.csv")) {
            throw climate::FileWriteError("simulated rename failure", target);
        }
    });
    notifier.answers = {true};
    EXPECT_FALSE(import(writeSource(sourceBytes({}))));
    ASSERT_EQ(notifier.notices.size(), 2u);  // the question, then the error
    EXPECT_EQ(notifier.notices[1].text, "Erro!");
    EXPECT_EQ(database(), before);
}

TEST_F(ImportTest, AFailedNewCityLeavesNoFileBehind) {
    QDir(base()).mkpath("cidades/porto_alegre.ventos.csv/blocked");  // cannot be replaced
    const auto before = database();
    EXPECT_FALSE(import(writeSource(sourceBytes({}))));
    expectOnlyError("wind target blocked");
    EXPECT_EQ(database(), before);
}

TEST_F(ImportTest, ReplacingACityKeepsItsOneIndexLineInPlace) {
    writeIndex({"Aracaju,-10.91,s/a,s/a,37.07", "Porto_Alegre,-30.03,s/a,s/a,51.22",
                "Vitoria,-20.32,s/a,s/a,40.34"});
    const QString path = writeSource(sourceBytes({}));
    for (int round = 0; round < 2; ++round) {
        notifier.notices.clear();
        notifier.answers = {true};
        EXPECT_TRUE(import(path)) << round;
        ASSERT_EQ(notifier.notices.size(), 2u);
        EXPECT_TRUE(notifier.notices[0].question);
        EXPECT_EQ(notifier.notices[0].text,
                  "Cidade Porto_Alegre já existe. Deseja substituir os dados existentes?");
        EXPECT_EQ(index(),
                  "Aracaju,-10.91,s/a,s/a,37.07\r\n"
                  "Porto_Alegre,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22\r\n"
                  "Vitoria,-20.32,s/a,s/a,40.34\r\n");
    }
}

TEST_F(ImportTest, ANameListedTwiceEndsUpListedOnce) {
    writeIndex({"Porto_Alegre,-30.03,s/a,s/a,51.22", "Aracaju,-10.91,s/a,s/a,37.07",
                "Porto_Alegre,-30,porto_alegre.csv,porto_alegre.ventos.csv,51"});
    notifier.answers = {true};
    EXPECT_TRUE(import(writeSource(sourceBytes({}))));
    EXPECT_EQ(index(),
              "Porto_Alegre,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22\r\n"
              "Aracaju,-10.91,s/a,s/a,37.07\r\n");
}

TEST_F(ImportTest, DecliningToReplaceChangesNothing) {
    writeIndex({"Porto_Alegre,-30.03,s/a,s/a,51.22"});
    const auto before = database();
    session.choose(writeSource(sourceBytes({})));
    EXPECT_EQ(notifier.notices.size(), 1u);
    EXPECT_FALSE(session.includeEnabled());
    EXPECT_TRUE(session.filePath().isEmpty());
    EXPECT_TRUE(session.cityName().isEmpty());  // the fields keep what they held
    EXPECT_EQ(database(), before);
}

TEST_F(ImportTest, AnUpperCaseTwinAsksBeforeReplacing) {
    writeIndex({"Porto_Alegre,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22",
                "Aracaju,-10.91,s/a,s/a,37.07"});
    writeAll(base() + "/cidades/porto_alegre.csv", "old\r\n");
    SourceOptions twin;
    twin.location = "PORTO ALEGRE,-30.03,-51.22";
    const QString path = writeSource(sourceBytes(twin));
    const auto before = database();
    session.choose(path);
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_TRUE(notifier.notices[0].question);
    EXPECT_EQ(notifier.notices[0].text,
              "Cidade PORTO_ALEGRE já existe. Deseja substituir os dados existentes?");
    EXPECT_TRUE(notifier.notices[0].details.contains("Porto_Alegre"));
    EXPECT_EQ(database(), before);

    notifier.answers = {true};
    EXPECT_TRUE(import(path));
    EXPECT_EQ(index(),
              "PORTO_ALEGRE,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22\r\n"
              "Aracaju,-10.91,s/a,s/a,37.07\r\n");
}

TEST_F(ImportTest, Utf8AndWindows1252SourcesGiveTheSameDatabase) {
    SourceOptions saoPaulo;
    saoPaulo.location = "São Paulo,-23.55,-46.63";
    const std::string utf8 = joinCrLf(sourceLines(saoPaulo));
    const std::string variants[] = {climate::utf8ToWindows1252(utf8), utf8, "\xEF\xBB\xBF" + utf8};
    std::vector<std::map<QString, std::string>> databases;
    for (const auto& bytes : variants) {
        QTemporaryDir other;
        QDir(other.path()).mkpath("cidades");
        writeAll(climate::indexPath(other.path()), "Aracaju,-10.91,s/a,s/a,37.07\r\n");
        RecordingNotifier quiet;
        climate::ImportSession otherSession(other.path(), quiet);
        otherSession.choose(writeSource(bytes));
        EXPECT_EQ(otherSession.cityName(), QString::fromUtf8("São_Paulo"));
        ASSERT_TRUE(otherSession.include(climate::defaultSeasonStartTexts()));
        EXPECT_EQ(quiet.texts(), QStringList{QString::fromUtf8("São_Paulo incluso com sucesso!")});
        databases.push_back(snapshot(other.path()));
    }
    EXPECT_EQ(databases[0], databases[1]);
    EXPECT_EQ(databases[0], databases[2]);
    EXPECT_EQ(databases[0].at("Latitudes.csv"),
              "Aracaju,-10.91,s/a,s/a,37.07\r\n" +
                  cp1252("São_Paulo,-23.55,são_paulo.csv,são_paulo.ventos.csv,46.63\r\n"));
    EXPECT_TRUE(databases[0].count(QString::fromUtf8("cidades/são_paulo.ventos.csv")));
}

TEST_F(ImportTest, ANameWindows1252CannotHoldIsRefused) {
    SourceOptions beijing;
    beijing.location = "北京,39.9,116.4";
    const auto before = database();
    session.choose(writeSource(joinCrLf(sourceLines(beijing))));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Error);
    EXPECT_TRUE(notifier.notices[0].text.contains(QString::fromUtf8("北京")));
    EXPECT_TRUE(notifier.notices[0].text.contains("Windows-1252"));
    EXPECT_FALSE(session.includeEnabled());
    EXPECT_EQ(database(), before);
}

struct Refusal {
    const char* name;
    std::string location;  // line 1 of the source
    const char* textMention;
};

class RefusalTest : public ImportFixture, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, RefusesAtChoosing) {
    SourceOptions options;
    options.location = GetParam().location;
    options.days = 2;
    const auto before = database();
    session.choose(writeSource(sourceBytes(options)));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Error);
    EXPECT_TRUE(notifier.notices[0].text.contains(QString::fromUtf8(GetParam().textMention)))
        << notifier.notices[0].text.toStdString();
    EXPECT_FALSE(session.includeEnabled());
    EXPECT_TRUE(session.filePath().isEmpty());
    EXPECT_EQ(database(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RefusalTest,
    ::testing::Values(Refusal{"ParentFolder", "../x,-30,-51", "\"../x\""},
                      Refusal{"Dot", ".,-30,-51", "Nome de cidade inválido"},
                      Refusal{"DotDot", "..,-30,-51", "Nome de cidade inválido"},
                      Refusal{"Backslash", "a\\b,-30,-51", "a\\b"},
                      Refusal{"Slash", "Rio/Grande,-30,-51", "Rio/Grande"},
                      Refusal{"ControlCharacter", "\"A\tB\",-30,-51", "Nome de cidade inválido"},
                      Refusal{"EmptyName", "\"\",-30,-51", "Nome de cidade inválido"},
                      Refusal{"LatitudeNotANumber", "X,trinta,-51", "\"trinta\""},
                      Refusal{"LatitudeBelowRange", "X,-65.01,-51", "Latitude inválida"},
                      Refusal{"LatitudeAboveRange", "X,70,-51", "Latitude inválida"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct ChoiceFailure {
    const char* name;
    std::string bytes;
    const char* text;
    NoticeKind kind;
};

class ChoiceFailureTest : public ImportFixture,
                          public ::testing::WithParamInterface<ChoiceFailure> {};

TEST_P(ChoiceFailureTest, ShowsItsMessageAndDisablesIncluding) {
    // A successful choice first, so the fields hold something to keep.
    session.choose(writeSource(sourceBytes({}), "good.csv"));
    ASSERT_TRUE(session.includeEnabled());
    session.choose(writeSource(GetParam().bytes));
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].text, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(notifier.notices[0].kind, GetParam().kind);
    EXPECT_FALSE(session.includeEnabled());
    EXPECT_TRUE(session.filePath().isEmpty());
    EXPECT_EQ(session.cityName(), "Porto_Alegre");
}

std::string headerWith(const char* line0, const char* line1, const char* line3) {
    return cp1252(
        (std::string(line0) + "\r\n" + line1 + "\r\nlivre\r\n" + line3 + "\r\n1,1,1,20\r\n")
            .c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ChoiceFailureTest,
    ::testing::Values(ChoiceFailure{"NotLocalizacao", headerWith("Localizacao", "X,-30,-51", "Mês"),
                                    "Arquivo inválido!", NoticeKind::Error},
                      ChoiceFailure{"LowerCaseLocalizacao",
                                    headerWith("localização", "X,-30,-51", "Mês"),
                                    "Arquivo inválido!", NoticeKind::Error},
                      ChoiceFailure{"NotMes", headerWith("Localização", "X,-30,-51", "Mes"),
                                    "Arquivo inválido!", NoticeKind::Error},
                      ChoiceFailure{"EmptyFirstLine", headerWith("", "X,-30,-51", "Mês"),
                                    "Arquivo inválido!", NoticeKind::Error},
                      ChoiceFailure{"TooFewLines", cp1252("Localização\r\nX,-30,-51\r\n"), "Erro!",
                                    NoticeKind::Error},
                      ChoiceFailure{"EmptyFile", "", "Erro!", NoticeKind::Error},
                      ChoiceFailure{"NameLineTooShort", headerWith("Localização", "X,-30", "Mês"),
                                    "Erro!", NoticeKind::Error},
                      ChoiceFailure{"LongitudeNotANumber",
                                    headerWith("Localização", "X,-30,oeste", "Mês"), "Erro!",
                                    NoticeKind::Error}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(ImportTest, ChoosingNeedsAReadableIndexAndSource) {
    const QString path = writeSource(sourceBytes({}));
    QFile::remove(climate::indexPath(base()));
    session.choose(path);
    EXPECT_EQ(notifier.texts(), QStringList{"Arquivo Latitudes.csv não encontrado!"});
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning);
    EXPECT_FALSE(session.includeEnabled());

    const std::pair<const char*, std::string> indexes[] = {
        {"NUL", std::string("Aracaju,-10.91,s/a,s/a,37.07\r\n\0Belem\r\n", 38)},
        {"empty line", "Aracaju,-10.91,s/a,s/a,37.07\r\n\r\nX,1,s/a,s/a,1\r\n"},
    };
    for (const auto& [what, bytes] : indexes) {
        writeAll(climate::indexPath(base()), bytes);
        notifier.notices.clear();
        session.choose(path);
        expectOnlyError(what);
        EXPECT_FALSE(session.includeEnabled());
        EXPECT_EQ(index(), bytes);
    }

    notifier.notices.clear();
    session.choose(dir.path() + "/none.csv");
    expectOnlyError("missing source");
}

TEST_F(ImportTest, ANulWrittenIntoTheIndexAfterChoosingStopsTheImport) {
    session.choose(writeSource(sourceBytes({})));
    ASSERT_TRUE(session.includeEnabled());
    const std::string withNul("Aracaju,-10.91,s/a,s/a,37.07\r\n\0tail\r\n", 36);
    writeAll(climate::indexPath(base()), withNul);
    const auto before = database();
    EXPECT_FALSE(session.include(climate::defaultSeasonStartTexts()));
    expectOnlyError("NUL at include");
    EXPECT_EQ(database(), before);
}

TEST_F(ImportTest, ASourceChangedAfterChoosingIsNotImportedUnderTheOldName) {
    const QString path = writeSource(sourceBytes({}));
    session.choose(path);
    SourceOptions other;
    other.location = "Recife,-8.05,-34.88";
    writeSource(sourceBytes(other));
    const auto before = database();
    EXPECT_FALSE(session.include(climate::defaultSeasonStartTexts()));
    expectOnlyError("changed source");
    EXPECT_EQ(database(), before);
}

TEST_F(ImportTest, AfterASuccessAnotherFileCanBeIncluded) {
    ASSERT_TRUE(import(writeSource(sourceBytes({}))));
    EXPECT_FALSE(session.includeEnabled());
    SourceOptions recife;
    recife.location = "Recife,-8.05,-34.88";
    session.choose(writeSource(sourceBytes(recife), "recife.csv"));
    EXPECT_TRUE(session.includeEnabled());
    EXPECT_TRUE(session.cityAdded());
    EXPECT_TRUE(session.include(climate::defaultSeasonStartTexts()));
    EXPECT_EQ(climate::splitLines(index()).size(), 3u);
}

TEST(InvertedLongitude, IsWrittenInGeneralFormAndNeverMinusZero) {
    EXPECT_EQ(climate::invertedLongitudeText(-51.22), "51.22");
    EXPECT_EQ(climate::invertedLongitudeText(48.55), "-48.55");
    EXPECT_EQ(climate::invertedLongitudeText(0.0), "0");
    EXPECT_EQ(climate::invertedLongitudeText(-0.0), "0");
    EXPECT_EQ(climate::invertedLongitudeText(-48.50), "48.5");
}

TEST(LatitudeCheck, AcceptsTheRangeWithItsBoundsAndADecimalComma) {
    for (const char* text : {"-65", "65", "0", "-27,6", "12.5", "+3"}) {
        EXPECT_NO_THROW(climate::checkLatitudeText(text)) << text;
    }
    for (const char* text : {"-65.001", "65.5", "", "1,2,3", "nan", "27 S"}) {
        EXPECT_THROW(climate::checkLatitudeText(text), climate::RefusalError) << text;
    }
}

}  // namespace
