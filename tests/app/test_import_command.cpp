// zenita --import: the window's import from the command line, its exit
// status and where its messages go.
#include "CommandRun.h"
#include "climate/EpwTestSupport.h"
#include "climate/ImportFixture.h"
#include "climate/TextFile.h"

#include <gtest/gtest.h>

// The database of the import tests: an index of one city and an empty cidades/.
class ImportCommand : public ImportFixture {
protected:
    QString source() const { return writeSource(sourceBytes({})); }
};

TEST_F(ImportCommand, AddsTheCityAndPrintsTheSuccessOnStdout) {
    const CommandRun run = runCapturing({"--import", source()}, base());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Porto_Alegre incluso com sucesso!\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(index(),
              "Aracaju,-10.91,s/a,s/a,37.07\r\n"
              "Porto_Alegre,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22\r\n");
    EXPECT_EQ(climate::splitLines(cityFile("porto_alegre.ventos.csv")).size(),
              20u);
}

TEST_F(ImportCommand, ReplacesAnExistingCityOnlyWithReplace) {
    const QString path = source();
    ASSERT_EQ(runCapturing({"--import", path}, base()).status, 0);
    const auto before = database();

    const CommandRun refused = runCapturing({"--import", path}, base());
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
              "zenita: Cidade Porto_Alegre já existe. Deseja substituir os dados existentes? "
              "Não (sem --replace)\n");
    EXPECT_EQ(database(), before);

    // Other season starts give another wind file under the same one index line.
    const CommandRun replaced =
        runCapturing({"--import", path, "--replace", "--spring", "1/1/1"}, base());
    EXPECT_EQ(replaced.status, 0);
    EXPECT_TRUE(replaced.err.endsWith("Sim (--replace)\n")) << replaced.err.toStdString();
    EXPECT_EQ(replaced.out, "Porto_Alegre incluso com sucesso!\n");
    EXPECT_EQ(index(), before.at("Latitudes.csv"));
    EXPECT_NE(cityFile("porto_alegre.ventos.csv"),
              before.at("cidades/porto_alegre.ventos.csv"));
}

TEST_F(ImportCommand, SeasonOptionsTakeThePlaceOfTheDefaults) {
    // The year holds every default start and these two, but no 31 February
    // and no hour 25.
    const CommandRun run = runCapturing({"--import", source(), "--spring", "31/2/1", "--summer",
                                         "2/1/3", "--autumn", "1/1/25", "--winter", "09/01/24"},
                                        base());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "zenita: Data/Hora de início da Primavera não localizado no arquivo!\n"
              "zenita: Data/Hora de início do Outono não localizado no arquivo!\n");
}

TEST_F(ImportCommand, ImportsAnEpwFileWithItsHemispheresSeasonStarts) {
    EpwOptions north;
    north.location = "LOCATION,Bologna Marconi AP,ER,ITA,T,161400,44.53,11.30,1.0,37.0";
    const QString path = writeSource(epwBytes(north), "bologna.epw");
    const CommandRun run = runCapturing({"--import", path}, base());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Bologna_Marconi_AP incluso com sucesso! "
              "(Valores ausentes preenchidos por interpolação: 0.)\n");
    EXPECT_EQ(climate::splitLines(index())[1],
              "Bologna_Marconi_AP,44.53,bologna_marconi_ap.csv,bologna_marconi_ap.ventos.csv,"
              "-11.3,1");
    const std::string wind = cityFile("bologna_marconi_ap.ventos.csv");

    // The northern starts given by hand give the same wind file.
    const CommandRun byHand =
        runCapturing({"--import", path, "--replace", "--spring", "20/03/08", "--summer", "21/06/02",
                      "--autumn", "22/09/18", "--winter", "21/12/14"},
                     base());
    EXPECT_EQ(byHand.status, 0);
    EXPECT_EQ(cityFile("bologna_marconi_ap.ventos.csv"), wind);
}

// The options ("SRC" a valid source, "BAD" a broken one) and the start of stderr.
class ImportCommandFailure
    : public ImportCommand,
      public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(ImportCommandFailure, ExitsWithTwoAndChangesNothing) {
    QStringList options = QString::fromUtf8(GetParam().first).split(' ');
    options.replaceInStrings("SRC", source());
    options.replaceInStrings("BAD", writeSource("Cidade,1,2\r\n", "ruim.csv"));
    const auto before = database();
    const CommandRun run = runCapturing(options, base());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(GetParam().second))) << run.err.toStdString();
    EXPECT_EQ(database(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportCommandFailure,
    ::testing::Values(std::pair{"--import BAD", "zenita: Arquivo inválido! ("},
                      std::pair{"--import /nenhum/arquivo.csv", "zenita: Erro! ("},
                      std::pair{"--import SRC --autumn 20/3", "zenita: --autumn: "},
                      std::pair{"--import SRC --spring a/b/c", "zenita: --spring"},
                      std::pair{"--import SRC --latitude 10",
                                "zenita: a opção --latitude não vale com --import"},
                      std::pair{"--replace", "zenita: falta o comando"}));
