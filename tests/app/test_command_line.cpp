// The headless chart export: the picture it writes and the arguments it refuses.
#include "CityFiles.h"
#include "ZenitaFixture.h"
#include "app/Assets.h"
#include "app/ChartPicture.h"
#include "app/CommandLine.h"
#include "app/HeadlessChart.h"
#include "support/ImageAsserts.h"

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>
#include <cstdio>

namespace {

QStringList command(const QStringList& options) {
    return QStringList{"zenita"} + options;
}

// Runs the command line with stderr sent to a file; returns the status. The
// database is the one beside the test program unless base names another.
int runCapturingErrors(const QStringList& arguments, QString* errors, const QString& base = {}) {
    QTemporaryDir dir;
    const QString path = dir.filePath("stderr.txt");
    std::fflush(stderr);
    const int saved = dup(fileno(stderr));
    FILE* capture = std::fopen(path.toLocal8Bit().constData(), "w");
    dup2(fileno(capture), fileno(stderr));
    const int status = base.isEmpty() ? runCommandLine(arguments) : runCommandLine(arguments, base);
    std::fflush(stderr);
    dup2(saved, fileno(stderr));
    close(saved);
    std::fclose(capture);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    *errors = QString::fromUtf8(file.readAll());
    return status;
}

}  // namespace

using CommandLine = ZenitaFixture;

// The export equals the window's layers composed after the same input.
TEST_F(CommandLine, ExportsTheComposedChartOfTheWindow) {
    QTemporaryDir dir;
    const QString file = dir.filePath("carta.png");
    ASSERT_EQ(runCommandLine(
                  command({"--export-chart", file, "--latitude", "-27.6", "--orientation", "30",
                           "--alfa", "30", "--beta-right", "20,50", "--gamma-left", "40"})),
              0);
    const QImage exported(file);
    ASSERT_EQ(exported.size(), QSize(460, 460));

    w().editLatitude->setText("-27.6");
    w().editOrient->setText("30");
    w().Alfa1Check->setChecked(true);
    w().editAlfa1->setText("30");
    w().Beta1aCheck->setChecked(true);
    w().editBeta1a->setText("20");
    w().Beta1bCheck->setChecked(true);
    w().editBeta1b->setText("50");
    w().GamaE1Check->setChecked(true);
    w().editGamaE1->setText("40");
    w().plotarClick();
    EXPECT_EQ(compareImages(exported.convertToFormat(QImage::Format_RGB32),
                            composeChartPicture(w()), "export"),
              "");
}

TEST_F(CommandLine, ExternaTakesTheExternalPictogramsAndNoPathsDrawsNoBlue) {
    QTemporaryDir dir;
    const QString file = dir.filePath("carta.png");
    ASSERT_EQ(runCommandLine(command({"--export-chart", file, "--latitude", "12,5", "--reference",
                                      "externa", "--no-paths"})),
              0);
    const QImage exported = QImage(file).convertToFormat(QImage::Format_RGB32);
    const QImage alfa = loadAsset("IAlfaExterno");
    EXPECT_EQ(compareImages(exported.copy(380, 0, 80, 75), alfa, "externa-pictogram"), "");
    EXPECT_EQ(countPixels(exported.copy(40, 100, 380, 260), QColor(0, 0, 255)), 0);
    // Without --orientation the protractor is off: no red.
    EXPECT_EQ(countPixels(exported.copy(40, 100, 380, 260), QColor(255, 0, 0)), 0);
}

struct BadArguments {
    const char* why;
    QStringList options;  // "OUT" stands for the output file
};

class RefusedArguments : public ::testing::TestWithParam<BadArguments> {};

TEST_P(RefusedArguments, ExitWithStatusTwoAndWriteNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath("carta.png");
    QStringList options = GetParam().options;
    options.replaceInStrings(QStringLiteral("OUT"), file);
    QString errors;
    EXPECT_EQ(runCapturingErrors(command(options), &errors), 2);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(errors.startsWith(QStringLiteral("zenita: "))) << errors.toStdString();
    EXPECT_EQ(errors.count(u'\n'), 1) << errors.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedArguments,
    ::testing::Values(
        BadArguments{"unknown", {"--export-chart", "OUT", "--latitude", "10", "--color", "red"}},
        BadArguments{"missing value", {"--export-chart", "OUT", "--latitude"}},
        BadArguments{"value is an option", {"--export-chart", "OUT", "--latitude", "--no-paths"}},
        BadArguments{"no latitude", {"--export-chart", "OUT", "--orientation", "30"}},
        BadArguments{"no command", {"--latitude", "10"}},
        BadArguments{"latitude text", {"--export-chart", "OUT", "--latitude", "sul"}},
        BadArguments{"latitude nan", {"--export-chart", "OUT", "--latitude", "nan"}},
        BadArguments{"latitude high", {"--export-chart", "OUT", "--latitude", "65.01"}},
        BadArguments{"latitude low", {"--export-chart", "OUT", "--latitude", "-70"}},
        BadArguments{"orientation",
                     {"--export-chart", "OUT", "--latitude", "1", "--orientation", "-30"}},
        BadArguments{"negative angle",
                     {"--export-chart", "OUT", "--latitude", "1", "--alfa", "-5"}},
        BadArguments{"angle high",
                     {"--export-chart", "OUT", "--latitude", "1", "--gamma-right", "20,95"}},
        BadArguments{"three angles",
                     {"--export-chart", "OUT", "--latitude", "1", "--beta-left", "1,2,3"}},
        BadArguments{"empty angle", {"--export-chart", "OUT", "--latitude", "1", "--alfa", "20,"}},
        BadArguments{"reference",
                     {"--export-chart", "OUT", "--latitude", "1", "--reference", "ambas"}},
        BadArguments{"repeated", {"--export-chart", "OUT", "--latitude", "1", "--latitude", "2"}},
        BadArguments{"format", {"--export-chart", "OUT.xyz", "--latitude", "1"}},
        BadArguments{"no folder", {"--export-chart", "OUT/none/carta.png", "--latitude", "1"}}));

// A chart command that shows an error dialog is a failure of the export.
TEST(HeadlessChart, AnErrorDialogOfTheChartCommandFailsTheExport) {
    ChartSettings settings;
    settings.latitude = QStringLiteral("-27.6");
    settings.orientation = QStringLiteral("30");
    settings.angles[3] = {QStringLiteral("abc"), std::nullopt};
    try {
        drawChartHeadless(Services{}, settings);
        FAIL() << "no error";
    } catch (const HeadlessChartError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("'abc'")))
            << error.what();
    }
    settings.angles[3] = {QStringLiteral("40"), QStringLiteral("20")};
    EXPECT_EQ(drawChartHeadless(Services{}, settings).size(), QSize(460, 460));
}

// ---- The overlay and the wind rose ----

class ClimateExport : public ZenitaFixture {
protected:
    void SetUp() override {
        ZenitaFixture::SetUp();
        database.writeIndex({"Cidade_X,-27.6,x.csv,x.ventos.csv,48.5", "Sem_Dados,-10,s/a,s/a,40",
                             "Perdida,-5,p.csv,p.ventos.csv,40", "Curta,-5,c.csv,s/a,40"});
        database.writeCityFile("x.csv", fileBytes(hourlyLines(8760, "12", "250", "900")));
        database.writeCityFile("x.ventos.csv",
                               fileBytes(windLines("10,20,30,40", "2,4,6,8", "1,2,3,4")));
        database.writeCityFile("c.csv", fileBytes(hourlyLines(100, "12", "250", "900")));
        w().LoadCityList();
    }
    void choose(int item) {
        w().cmbCidades->setCurrentIndex(item);
        w().handle([this] { w().cmbCidadesChange(); });
    }
    QTemporaryDir out;
};

TEST_F(ClimateExport, TheOverlayExportIsTheWindowsChartWithTheOverlay) {
    const QString file = out.filePath("carta.png");
    ASSERT_EQ(runCommandLine(command({"--export-chart", file, "--city", "Cidade_X", "--overlay",
                                      "global", "--period", "2"}),
                             database.path()),
              0);
    const QImage exported = QImage(file).convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(countPixels(exported, QColor(255, 255, 150)), 10000);  // 250 W/m2: class 1

    w().TransferidorCheck->setChecked(false);
    choose(1);
    w().ckPontos->setChecked(true);
    w().cmbTipoDados->setCurrentIndex(1);
    w().rgPeriodo->setCurrentIndex(1);
    w().handle([this] { w().plotarClick(); });
    EXPECT_EQ(compareImages(exported, composeChartPicture(w()), "export-overlay"), "");
}

TEST_F(ClimateExport, TheWindExportIsTheWindowsRoseInTheChosenMode) {
    for (const char* mode : {"velocidades", "frequencia"}) {
        const QString file = out.filePath(QStringLiteral("rosa-%1.png").arg(mode));
        ASSERT_EQ(
            runCommandLine(command({"--export-wind", file, "--city", "Cidade_X", "--mode", mode}),
                           database.path()),
            0);
        w().handle([this] { w().RosadosVentos1Click(); });
        w().rgVentos->setCurrentIndex(std::string(mode) == "velocidades" ? 0 : 1);
        choose(1);
        ASSERT_TRUE(w().windRoseDrawn);
        EXPECT_EQ(compareImages(QImage(file).convertToFormat(QImage::Format_RGB32),
                                w().imVentos->canvas().image(), mode),
                  "");
    }
    // The default mode is the speeds.
    const QString file = out.filePath("rosa.png");
    ASSERT_EQ(
        runCommandLine(command({"--export-wind", file, "--city", "Cidade_X"}), database.path()), 0);
    EXPECT_EQ(compareImages(QImage(file), QImage(out.filePath("rosa-velocidades.png")), "default"),
              "");

    // A PDF goes through the wind rose's print command.
    const QString pdf = out.filePath("rosa.pdf");
    ASSERT_EQ(
        runCommandLine(command({"--export-wind", pdf, "--city", "Cidade_X"}), database.path()), 0);
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
}

class ClimateExportRefused : public ClimateExport,
                             public ::testing::WithParamInterface<BadArguments> {};

TEST_P(ClimateExportRefused, ExitsWithStatusTwoAndOneLineWritingNothing) {
    QStringList options = GetParam().options;
    options.replaceInStrings(QStringLiteral("OUT"), out.filePath("saida.png"));
    QString errors;
    EXPECT_EQ(runCapturingErrors(command(options), &errors, database.path()), 2);
    EXPECT_TRUE(errors.startsWith(QStringLiteral("zenita: "))) << errors.toStdString();
    EXPECT_EQ(errors.count(u'\n'), 1) << errors.toStdString();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ClimateExportRefused,
    ::testing::Values(
        BadArguments{"wind without file", {"--export-wind", "OUT", "--city", "Sem_Dados"}},
        BadArguments{"wind unknown city", {"--export-wind", "OUT", "--city", "Atlantida"}},
        BadArguments{"wind file missing", {"--export-wind", "OUT", "--city", "Perdida"}},
        BadArguments{"wind no city", {"--export-wind", "OUT"}},
        BadArguments{"wind mode",
                     {"--export-wind", "OUT", "--city", "Cidade_X", "--mode", "rapido"}},
        BadArguments{"wind radius",
                     {"--export-wind", "OUT.pdf", "--city", "Cidade_X", "--radius", "3"}},
        BadArguments{"wind overlay",
                     {"--export-wind", "OUT", "--city", "Cidade_X", "--overlay", "global"}},
        BadArguments{"chart mode",
                     {"--export-chart", "OUT", "--city", "Cidade_X", "--mode", "frequencia"}},
        BadArguments{"overlay value",
                     {"--export-chart", "OUT", "--city", "Cidade_X", "--overlay", "umidade"}},
        BadArguments{"overlay latitude",
                     {"--export-chart", "OUT", "--latitude", "-27.6", "--overlay", "global"}},
        BadArguments{"overlay without file",
                     {"--export-chart", "OUT", "--city", "Sem_Dados", "--overlay", "direta"}},
        BadArguments{"overlay file missing",
                     {"--export-chart", "OUT", "--city", "Perdida", "--overlay", "temperaturas"}},
        BadArguments{"overlay short file",
                     {"--export-chart", "OUT", "--city", "Curta", "--overlay", "temperaturas"}},
        BadArguments{"period value",
                     {"--export-chart", "OUT", "--city", "Cidade_X", "--overlay", "global",
                      "--period", "3"}},
        BadArguments{"period alone",
                     {"--export-chart", "OUT", "--city", "Cidade_X", "--period", "2"}},
        BadArguments{"two commands",
                     {"--export-chart", "OUT", "--export-wind", "OUT.bmp", "--city", "Cidade_X"}}));
