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

std::string windTable(const Lines& data, const std::array<int, 4>& starts = defaultStartLines()) {
    return joinCrLf(climate::SeasonWindStatistics(data, starts));
}

void setField(Lines& lines, std::size_t line, std::size_t field, const char* value) {
    Lines fields = climate::SplitCommaText(lines[line]);
    fields[field] = value;
    lines[line] = climate::JoinCommaText(fields);
}

std::string bytesOf(const Lines& utf8Lines) {
    return climate::utf8ToWindows1252(joinCrLf(utf8Lines));
}

using ImportTest = ImportFixture;

TEST_F(ImportTest, PortoAlegreEndToEndThenAnotherCityUntilTheWindowIsActivatedAgain) {
    QDir(base()).rmdir("cidades");  // made when missing
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
    EXPECT_EQ(notifier.notices[0].text, "Porto_Alegre incluso com sucesso!");
    EXPECT_TRUE(session.cityAdded());
    EXPECT_FALSE(session.includeEnabled());
    EXPECT_EQ(index(),
              "Aracaju,-10.91,s/a,s/a,37.07\r\n"
              "Porto_Alegre,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22\r\n");
    EXPECT_EQ(cityFile("porto_alegre.csv"), joinCrLf(dataLines()));
    EXPECT_EQ(cityFile("porto_alegre.ventos.csv"), windTable(dataLines()));

    SourceOptions recife;
    recife.location = "Recife,-8.05,-34.88";
    session.choose(writeSource(sourceBytes(recife), "recife.csv"));
    EXPECT_TRUE(session.includeEnabled());
    EXPECT_TRUE(session.include(climate::defaultSeasonStartTexts()));
    EXPECT_EQ(climate::splitLines(index()).size(), 3u);
    session.activate();
    EXPECT_FALSE(session.cityAdded());
    EXPECT_FALSE(session.includeEnabled());
    EXPECT_TRUE(session.filePath().isEmpty());
    EXPECT_TRUE(session.cityName().isEmpty());
    EXPECT_TRUE(session.latitudeText().isEmpty());
}

TEST_F(ImportTest, SeasonEditsMatchMonthsWithOrWithoutLeadingZero) {
    // Padded months in the file against the edit "9"; plain ones against the default "09".
    for (const bool padded : {true, false}) {
        SourceOptions options;
        options.paddedMonths = padded;
        auto starts = climate::defaultSeasonStartTexts();
        if (padded) {
            starts[0].month = " 9 ";
            starts[2].month = "3";
        }
        notifier.answers = {true};  // the second round replaces the first
        EXPECT_TRUE(import(writeSource(sourceBytes(options)), starts)) << padded;
        EXPECT_EQ(cityFile("porto_alegre.ventos.csv"), windTable(dataLines(options))) << padded;
    }
}

TEST_F(ImportTest, EverySeasonStartNotFoundIsNamedInOrderAndNothingIsWritten) {
    const auto before = database();
    auto nowhere = climate::defaultSeasonStartTexts();
    for (auto& start : nowhere) {
        start.hour = "25";
    }
    EXPECT_FALSE(import(writeSource(sourceBytes({})), nowhere));
    EXPECT_EQ(notifier.texts(),
              (QStringList{"Data/Hora de início da Primavera não localizado no arquivo!",
                           "Data/Hora de início do Verão não localizado no arquivo!",
                           "Data/Hora de início do Outono não localizado no arquivo!",
                           "Data/Hora de início do Inverno não localizado no arquivo!"}));
    for (const auto& n : notifier.notices) {
        EXPECT_EQ(n.kind, NoticeKind::Warning);
    }
    EXPECT_TRUE(session.includeEnabled());  // the user may change the starts and try again

    notifier.notices.clear();
    auto starts = climate::defaultSeasonStartTexts();
    starts[1].day = "32";
    starts[3].hour = "0";
    EXPECT_FALSE(import(writeSource(sourceBytes({})), starts));
    EXPECT_EQ(notifier.texts(),
              (QStringList{"Data/Hora de início do Verão não localizado no arquivo!",
                           "Data/Hora de início do Inverno não localizado no arquivo!"}));
    EXPECT_EQ(database(), before);
    EXPECT_FALSE(session.cityAdded());
}

TEST_F(ImportTest, EmptyFieldsBecomeZeroAndAnEmptyLastFieldIsKept) {
    Lines lines = sourceLines({});
    setField(lines, 4, 3, "");                // temperature
    lines[5].erase(lines[5].rfind(',') + 1);  // direct radiation, the last field
    ASSERT_TRUE(import(writeSource(bytesOf(lines))));
    const Lines hourly = climate::splitLines(cityFile("porto_alegre.csv"));
    setField(lines, 4, 3, "0");
    lines[5] += "0";
    EXPECT_EQ(hourly[0], lines[4]);
    EXPECT_EQ(hourly[1], lines[5]);
}

// The month, day and hour of every data line must be those of a 365-day
// year in order, which "Buscar" checks; the wind fields are read by the
// statistics of "Incluir Cidade".
TEST_F(ImportTest, ABrokenSourceEndsWithErrorNamingTheFirstWrongLineAndWritesNothing) {
    const std::pair<std::function<void(Lines&)>, const char*> cases[] = {
        {[](Lines& l) { l.resize(8); },
         "linha 9: o ano está incompleto: falta o registro de 1/1, hora 5"},
        {[](Lines& l) { l.pop_back(); }, "linha 8764: o ano está incompleto"},
        {[](Lines& l) { l.insert(l.end(), l.begin() + 4, l.end()); }, "linha 8765: o ano termina"},
        {[](Lines& l) { l.push_back(""); }, "linha 8765: o ano termina"},
        {[](Lines& l) { l.insert(l.begin() + 104, ""); }, "linha 105: a linha não tem o campo mês"},
        {[](Lines& l) { l.erase(l.begin() + 1000); }, "linha 1001: o registro é de 11/2, hora 14"},
        {[](Lines& l) { l.insert(l.begin() + 1000, l[999]); }, "linha 1001: o registro é de 11/2"},
        {[](Lines& l) { setField(l, 5000, 0, "9.5"); }, "linha 5001: o campo mês '9.5'"},
        {[](Lines& l) { setField(l, 4, 0, "0"); }, "linha 5: o registro é de 1/0, hora 1"},
        {[](Lines& l) { setField(l, 4 + 8759, 0, "13"); }, "linha 8764: o registro é de 31/13"},
        {[](Lines& l) { setField(l, 1000, 2, "25"); }, "linha 1001: o registro é de 11/2, hora 25"},
        {[](Lines& l) { setField(l, 1000, 2, "x"); }, "linha 1001: o campo hora 'x'"},
        {[](Lines& l) { setField(l, 1000, 1, "-11"); }, "linha 1001: o registro é de -11/2"},
        {[](Lines& l) { setField(l, 4, 1, ""); }, "linha 5: o campo dia ''"},
        {[](Lines& l) { l[2000].insert(6, 1, '\0'); },
         "linha 2001: a linha contém um caractere nulo"},
        // At "Incluir Cidade":
        {[](Lines& l) { setField(l, 7000, 11, "forte"); }, "linha 7001: a velocidade do vento"},
        {[](Lines& l) { l[300] = "1,13,9,20,0,0,0,0"; }, "linha 301: a linha"},  // too short
    };
    const auto before = database();
    for (const auto& [breakIt, message] : cases) {
        SCOPED_TRACE(message);
        Lines lines = sourceLines({});
        breakIt(lines);
        notifier.notices.clear();
        if (import(writeSource(bytesOf(lines)))) {
            ADD_FAILURE() << "imported";
        }
        expectOnlyError(message);
        EXPECT_TRUE(notifier.notices[0].details.contains(message))
            << notifier.notices[0].details.toStdString();
        EXPECT_FALSE(session.cityAdded());
    }
    EXPECT_EQ(database(), before);
}

TEST_F(ImportTest, ALeapYearLosesItsTwentyNinthOfFebruaryAndKeepsItsLineNumbers) {
    Lines lines = sourceLines({});
    const auto march = lines.begin() + 4 + dataLineOf(3, 1, 1);
    Lines leapDay;
    for (int hour = 1; hour <= 24; ++hour) {
        leapDay.push_back("2,29," + std::to_string(hour) + ",99,0,0,0,0,0,0,0,forte");
    }
    lines.insert(march, leapDay.begin(), leapDay.end());
    ASSERT_TRUE(import(writeSource(bytesOf(lines))));
    EXPECT_EQ(cityFile("porto_alegre.csv"), joinCrLf(dataLines()));

    // A fault after February is named at its line in the file.
    setField(lines, 4 + 24 + dataLineOf(7, 1, 1), 11, "forte");
    notifier.answers = {true};
    session.choose(writeSource(bytesOf(lines)));
    notifier.notices.clear();
    EXPECT_FALSE(session.include(climate::defaultSeasonStartTexts()));
    expectOnlyError("wind speed after the leap day");
    const int fileLine = 4 + 24 + dataLineOf(7, 1, 1) + 1;
    EXPECT_TRUE(notifier.notices[0].details.contains("linha " + QString::number(fileLine) + ":"))
        << notifier.notices[0].details.toStdString();
}

TEST_F(ImportTest, IncludeChecksTheFileAndTheEditsFirst) {
    EXPECT_FALSE(session.include(climate::defaultSeasonStartTexts()));
    EXPECT_EQ(notifier.texts(), QStringList{"Nenhum arquivo selecionado!"});
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning);

    const auto before = database();
    session.choose(writeSource(sourceBytes({})));
    notifier.notices.clear();
    for (int field = 0; field < 12; ++field) {
        auto starts = climate::defaultSeasonStartTexts();
        (field < 4   ? starts[field].day
         : field < 8 ? starts[field - 4].month
                     : starts[field - 8].hour) = " \t";
        EXPECT_FALSE(session.include(starts));
    }
    EXPECT_EQ(notifier.texts(),
              QStringList(12, "Preencha todos os dias, meses e horas iniciais das estações!"));
    notifier.notices.clear();
    auto starts = climate::defaultSeasonStartTexts();
    starts[2].hour = "8h";
    EXPECT_FALSE(session.include(starts));
    expectOnlyError("season edit not an integer");
    EXPECT_TRUE(notifier.notices[0].details.contains("8h"));
    EXPECT_EQ(database(), before);
}

TEST_F(ImportTest, AFailedWriteLeavesTheDatabaseAsItWas) {
    const QString source = writeSource(sourceBytes({}));
    const auto failsAndChangesNothing = [&](const char* what) {
        const auto before = database();
        notifier.notices.clear();
        notifier.answers = {true};
        EXPECT_FALSE(import(source)) << what;
        ASSERT_FALSE(notifier.notices.empty()) << what;
        EXPECT_EQ(notifier.notices.back().text, "Erro!") << what;
        EXPECT_EQ(database(), before) << what;
    };
    QDir(base()).rmdir("cidades");
    writeAll(base() + "/cidades", "a file in the folder's place");
    failsAndChangesNothing("cidades is a file");

    QFile::remove(base() + "/cidades");
    QDir(base()).mkpath("cidades/porto_alegre.ventos.csv/blocked");
    failsAndChangesNothing("a folder in the wind file's place");

    QDir(base() + "/cidades/porto_alegre.ventos.csv").removeRecursively();
    QFile::setPermissions(climate::indexPath(base()), QFile::ReadOwner | QFile::ReadOther);
    failsAndChangesNothing("a read-only index");
    EXPECT_TRUE(notifier.notices.back().details.contains("somente leitura"));
}

TEST_F(ImportTest, ReplacingACityKeepsOneIndexLineInPlaceAndAnUpperCaseTwinCountsAsIt) {
    writeIndex({"Porto_Alegre,-30.03,s/a,s/a,51.22", "Aracaju,-10.91,s/a,s/a,37.07",
                "Porto_Alegre,-30,porto_alegre.csv,porto_alegre.ventos.csv,51",
                "Vitoria,-20.32,s/a,s/a,40.34"});
    const std::string others = "Aracaju,-10.91,s/a,s/a,37.07\r\nVitoria,-20.32,s/a,s/a,40.34\r\n";
    const QString path = writeSource(sourceBytes({}));
    for (int round = 0; round < 2; ++round) {
        notifier.notices.clear();
        notifier.answers = {true};
        EXPECT_TRUE(import(path)) << round;
        ASSERT_EQ(notifier.notices.size(), 2u);
        EXPECT_TRUE(notifier.notices[0].question);
        EXPECT_EQ(notifier.notices[0].text,
                  "Cidade Porto_Alegre já existe. Deseja substituir os dados existentes?");
        EXPECT_EQ(
            index(),
            "Porto_Alegre,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22\r\n" + others);
    }

    SourceOptions twin;
    twin.location = "PORTO ALEGRE,-30.03,-51.22";
    const QString twinPath = writeSource(sourceBytes(twin), "twin.csv");
    const auto before = database();
    notifier.notices.clear();
    session.choose(twinPath);  // answered No
    ASSERT_EQ(notifier.notices.size(), 1u);
    EXPECT_EQ(notifier.notices[0].text,
              "Cidade PORTO_ALEGRE já existe. Deseja substituir os dados existentes?");
    EXPECT_TRUE(notifier.notices[0].details.contains("Porto_Alegre"));
    EXPECT_FALSE(session.includeEnabled());
    EXPECT_TRUE(session.filePath().isEmpty());
    EXPECT_EQ(database(), before);
    notifier.answers = {true};
    EXPECT_TRUE(import(twinPath));
    EXPECT_EQ(index(),
              "PORTO_ALEGRE,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22\r\n" + others);
}

TEST_F(ImportTest, Utf8AndWindows1252SourcesGiveTheSameDatabase) {
    SourceOptions saoPaulo;
    saoPaulo.location = "São Paulo,-23.55,-46.63";
    const std::string utf8 = joinCrLf(sourceLines(saoPaulo));
    std::vector<std::map<QString, std::string>> databases;
    // From the second on, the city is asked about: it has the same name.
    for (const std::string& bytes : {cp1252(utf8.c_str()), utf8, "\xEF\xBB\xBF" + utf8}) {
        notifier.answers = {true};
        ASSERT_TRUE(import(writeSource(bytes)));
        EXPECT_EQ(notifier.notices.back().text,
                  QString::fromUtf8("São_Paulo incluso com sucesso!"));
        databases.push_back(database());
    }
    EXPECT_EQ(notifier.notices.size(), 5u);
    EXPECT_EQ(databases[0], databases[1]);
    EXPECT_EQ(databases[0], databases[2]);
    EXPECT_EQ(index(), "Aracaju,-10.91,s/a,s/a,37.07\r\n" +
                           cp1252("São_Paulo,-23.55,são_paulo.csv,são_paulo.ventos.csv,46.63\r\n"));
    EXPECT_EQ(cityFile("são_paulo.csv"), joinCrLf(dataLines()));
}

TEST_F(ImportTest, ABrokenHeaderAnUnsafeNameOrABadLatitudeIsRefusedAtChoosing) {
    const auto header = [](const char* line0, const char* line1, const char* line3) {
        return cp1252(
            (std::string(line0) + "\r\n" + line1 + "\r\nlivre\r\n" + line3 + "\r\n1,1,1,20\r\n")
                .c_str());
    };
    const auto located = [](const char* location) {
        SourceOptions options;
        options.location = location;
        return joinCrLf(sourceLines(options));  // UTF-8
    };
    const std::pair<std::string, const char*> cases[] = {
        {header("Localizacao", "X,-30,-51", "Mês"), "Arquivo inválido!"},
        {header("Localização", "X,-30,-51", "Mes"), "Arquivo inválido!"},
        {cp1252("Localização\r\nX,-30,-51\r\n"), "Erro!"},
        {header("Localização", "X,-30", "Mês"), "Erro!"},
        {header("Localização", "X,-30,oeste", "Mês"), "Erro!"},
        {located("../x,-30,-51"), "\"../x\""},
        {located(".,-30,-51"), "Nome de cidade inválido"},
        {located("..,-30,-51"), "Nome de cidade inválido"},
        {located("a\\b,-30,-51"), "a\\b"},
        {located("Rio/Grande,-30,-51"), "Rio/Grande"},
        {located("\"A\tB\",-30,-51"), "Nome de cidade inválido"},
        {located("\"\",-30,-51"), "Nome de cidade inválido"},
        {located("北京,39.9,116.4"), "北京"},  // not in Windows-1252
        {located("A\"B,-30,-51"), "caractere '\"'"},
        {located("A*B,-30,-51"), "caractere '*'"},
        {located("A:B,-30,-51"), "caractere ':'"},
        {located("A<B,-30,-51"), "caractere '<'"},
        {located("A>B,-30,-51"), "caractere '>'"},
        {located("A?B,-30,-51"), "caractere '?'"},
        {located("A|B,-30,-51"), "caractere '|'"},
        {located("X,trinta,-51"), "\"trinta\""},
        {located("X,70,-51"), "Latitude inválida"},
        {located("X,-30,-181"), "Erro!"},
        {located((std::string(233, 'a') + ",-30,-51").c_str()), "longo demais"},
        {located((QString("ã").repeated(117) + ",-30,-51").toStdString().c_str()),
         "longo demais"},
    };
    const auto before = database();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [bytes, text] = cases[i];
        SCOPED_TRACE(testing::Message() << "case " << i << ": " << text);
        // A successful choice first, so the fields hold something to keep.
        session.choose(writeSource(sourceBytes({}), "good.csv"));
        ASSERT_TRUE(session.includeEnabled());
        notifier.notices.clear();
        session.choose(writeSource(bytes));
        ASSERT_EQ(notifier.notices.size(), 1u);
        EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Error);
        EXPECT_TRUE(notifier.notices[0].text.contains(QString::fromUtf8(text)))
            << notifier.notices[0].text.toStdString();
        EXPECT_FALSE(session.includeEnabled());
        EXPECT_TRUE(session.filePath().isEmpty());
        EXPECT_EQ(session.cityName(), "Porto_Alegre");
    }
    EXPECT_EQ(database(), before);
}

// Each case: another city's index line, the imported city, the file name
// they would share.
TEST_F(ImportTest, ACityWhoseFileIsAnotherCitysFileIsRefusedAtChoosing) {
    struct Case {
        const char* otherLine;
        const char* location;
        const char* shared;
    };
    const Case cases[] = {
        {"Foo,-30,foo.csv,foo.ventos.csv,51", "Foo.ventos,-30,-51", "foo.ventos.csv"},
        {"Foo.ventos,-30,foo.ventos.csv,s/a,51", "Foo,-30,-51", "foo.ventos.csv"},
        // A name of the index that the file system reads as the same file.
        {"Outra,-30,./porto_alegre.ventos.csv,s/a,51", "Porto Alegre,-30,-51",
         "porto_alegre.ventos.csv"},
        {"Atalho,-30,atalho.csv,s/a,51", "Alvo,-30,-51", "alvo.csv"},
    };
    QFile::link(base() + "/cidades/alvo.csv", base() + "/cidades/atalho.csv");
    writeAll(base() + "/cidades/alvo.csv", "1\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.location);
        writeIndex({"Aracaju,-10.91,s/a,s/a,37.07", c.otherLine});
        const auto before = database();
        notifier.notices.clear();
        SourceOptions options;
        options.location = c.location;
        session.choose(writeSource(sourceBytes(options)));
        ASSERT_EQ(notifier.notices.size(), 1u);
        EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Error);
        EXPECT_TRUE(notifier.notices[0].text.contains(
            QString("\"%1\" já pertence à cidade").arg(QString::fromUtf8(c.shared))))
            << notifier.notices[0].text.toStdString();
        EXPECT_FALSE(session.includeEnabled());
        EXPECT_EQ(database(), before);
    }
}

TEST_F(ImportTest, AMissingOrUnsafeIndexOrAChangedSourceStopsTheImport) {
    const QString path = writeSource(sourceBytes({}));
    QFile::remove(climate::indexPath(base()));
    session.choose(path);
    EXPECT_EQ(notifier.texts(), QStringList{"Arquivo Latitudes.csv não encontrado!"});
    EXPECT_EQ(notifier.notices[0].kind, NoticeKind::Warning);
    EXPECT_FALSE(session.includeEnabled());

    // A NUL would cut the index short when it is rewritten.
    const std::string withNul("Aracaju,-10.91,s/a,s/a,37.07\r\n\0Belem\r\n", 38);
    writeAll(climate::indexPath(base()), withNul);
    notifier.notices.clear();
    session.choose(path);
    expectOnlyError("index with a NUL");
    EXPECT_FALSE(session.includeEnabled());
    EXPECT_EQ(index(), withNul);
    notifier.notices.clear();
    session.choose(dir.path() + "/none.csv");
    expectOnlyError("missing source");

    writeIndex({"Aracaju,-10.91,s/a,s/a,37.07"});
    session.choose(path);
    ASSERT_TRUE(session.includeEnabled());
    writeAll(climate::indexPath(base()), withNul);
    const auto before = database();
    notifier.notices.clear();
    EXPECT_FALSE(session.include(climate::defaultSeasonStartTexts()));
    expectOnlyError("NUL written into the index after choosing");
    EXPECT_EQ(database(), before);

    writeIndex({"Aracaju,-10.91,s/a,s/a,37.07"});
    session.choose(path);
    SourceOptions recife;
    recife.location = "Recife,-8.05,-34.88";
    writeAll(path, sourceBytes(recife));
    const auto unchanged = database();
    notifier.notices.clear();
    EXPECT_FALSE(session.include(climate::defaultSeasonStartTexts()));
    expectOnlyError("source changed after choosing, not imported under the old name");
    EXPECT_EQ(database(), unchanged);
}

TEST(ImportSteps, TheLatitudeLiesWithinItsBoundsAndMayHaveADecimalComma) {
    for (const char* text : {"-65", "65", "0", "-27,6", "12.5", "+3"}) {
        EXPECT_NO_THROW(climate::checkLatitudeText(text)) << text;
    }
    for (const char* text : {"-65.001", "65.5", "", "1,2,3", "nan", "27 S"}) {
        EXPECT_THROW(climate::checkLatitudeText(text), climate::RefusalError) << text;
    }
}

}  // namespace
