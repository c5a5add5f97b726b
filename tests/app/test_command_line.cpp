// The headless export: the picture it writes and the arguments it refuses.
#include "CityFiles.h"
#include "CommandRun.h"
#include "ZenitaFixture.h"
#include "app/ChartPicture.h"
#include "app/HeadlessChart.h"
#include "support/ImageAsserts.h"
#include "support/RecordingOutput.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QDir>

namespace {

QImage rgb(const QString& file) {
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class CommandLine : public ZenitaFixture {
protected:
    void SetUp() override {
        ZenitaFixture::SetUp();
        loadCities({"S\xE3o_Paulo,\"-27,6\",x.csv,x.ventos.csv,48.5", "Sem_Dados,-10,s/a,s/a,40",
                    "Perdida,-5,p.csv,p.ventos.csv,40", "Curta,-5,c.csv,s/a,40"});
        database.writeCityFile("x.csv", fileBytes(hourlyLines(8760, "12", "250", "900")));
        database.writeCityFile("x.ventos.csv",
                               fileBytes(windLines("10,20,30,40", "2,4,6,8", "1,2,3,4")));
        database.writeCityFile("c.csv", fileBytes(hourlyLines(100, "12", "250", "900")));
    }
    int run(const QStringList& options) {
        return runCommandLine(QStringList{"zenita"} + options, database.path());
    }
    QTemporaryDir out;
};

// The export equals the window's layers composed after the same input.
TEST_F(CommandLine, ExportsTheComposedChartOfTheWindow) {
    const QString file = out.filePath("carta.png");
    ASSERT_EQ(run({"--export-chart", file, "--latitude", "-27.6", "--orientation", "30", "--alfa",
                   "30", "--beta-right", "20,50", "--gamma-left", "40"}),
              0);
    const QImage exported = rgb(file);
    ASSERT_EQ(exported.size(), QSize(460, 460));
    w().controls().editLatitude->setText("-27.6");
    w().controls().editOrient->setText("30");
    setAngles(0, "30");
    setAngles(1, "20", "50");
    setAngles(4, "40");
    w().plotarClick();
    EXPECT_EQ(compareImages(exported, composeChartPicture(w()), "export"), "");
}

// A chart command that shows an error dialog is a failure of the export.
TEST(HeadlessChart, AnErrorDialogOfTheChartCommandFailsTheExport) {
    ChartSettings settings;
    settings.latitude = "-27.6";
    settings.orientation = "30";
    settings.angles[3] = {"abc", std::nullopt};
    EXPECT_THAT([&] { drawChartHeadless(Services{}, settings); },
                testing::ThrowsMessage<HeadlessChartError>(testing::HasSubstr("'abc'")));
    settings.angles[3] = {"40", "20"};
    EXPECT_EQ(drawChartHeadless(Services{}, settings).size(), QSize(460, 460));
}

// The city is named in UTF-8 as its Windows-1252 index line stores it, and
// takes the line's latitude as the window does, its comma turned into a point.
TEST_F(CommandLine, TheCityAndOverlayExportIsTheWindowsChart) {
    const QString file = out.filePath("carta.png");
    ASSERT_EQ(run({"--export-chart", file, "--city", "São_Paulo", "--overlay", "global", "--period",
                   "2"}),
              0);
    const QImage exported = rgb(file);
    EXPECT_GT(countPixels(exported, QColor(255, 255, 150)), 10000);  // 250 W/m2: class 1
    w().controls().TransferidorCheck->setChecked(false);
    choose(1);
    EXPECT_EQ(w().controls().editLatitude->text(), "-27.6");
    w().controls().ckPontos->setChecked(true);
    w().controls().cmbTipoDados->setCurrentIndex(1);
    w().controls().rgPeriodo->setCurrentIndex(1);
    plot();
    EXPECT_EQ(compareImages(exported, composeChartPicture(w()), "export-overlay"), "");
}

TEST_F(CommandLine, TheWindExportIsTheWindowsRoseInTheChosenModeSpeedsByDefault) {
    for (const char* mode : {"frequencia", "velocidades", ""}) {
        SCOPED_TRACE(mode);
        const QString file = out.filePath(QStringLiteral("rosa-%1.png").arg(mode));
        QStringList options{"--export-wind", file, "--city", "São_Paulo"};
        if (*mode) {
            options << "--mode" << mode;
        }
        ASSERT_EQ(run(options), 0);
        w().RosadosVentos1Click();
        w().controls().rgVentos->setCurrentIndex(std::string(mode) == "frequencia" ? 1 : 0);
        choose(1);
        ASSERT_TRUE(w().windRoseDrawn());
        EXPECT_EQ(compareImages(rgb(file), pixels(w().controls().imVentos), mode), "");
    }
}

// The exports draw from the request and the scene alone: no window is built,
// neither while the page is printed nor left behind.
TEST(HeadlessChart, BuildsNoWidget) {
    class WidgetCountingPrinter : public RecordingPrinter {
    public:
        output::PrintOutcome print(const output::PrintPage& page) override {
            widgetsWhilePrinting.push_back(QApplication::allWidgets().size());
            return RecordingPrinter::print(page);
        }
        std::vector<qsizetype> widgetsWhilePrinting;
    } printer;
    ASSERT_TRUE(QApplication::allWidgets().isEmpty());
    Services bundled;
    bundled.baseDirectory = QStringLiteral(ZENITA_SOURCE_DATA_DIR);
    ChartSettings chart;
    chart.city = QStringLiteral("Changi_Intl_AP");
    chart.overlayQuantity = 1;
    chart.orientation = QStringLiteral("30");
    printChartHeadless(bundled, chart, QStringLiteral("6"), printer);
    printWindRoseHeadless(bundled, {QStringLiteral("Changi_Intl_AP"), 1}, printer);
    EXPECT_EQ(printer.widgetsWhilePrinting, (std::vector<qsizetype>{0, 0}));
    EXPECT_FALSE(drawChartHeadless(bundled, chart).isNull());
    EXPECT_FALSE(drawWindRoseHeadless(bundled, {QStringLiteral("Changi_Intl_AP"), 0}).isNull());
    EXPECT_TRUE(QApplication::allWidgets().isEmpty());
}

class RefusedArguments : public CommandLine, public ::testing::WithParamInterface<const char*> {};

// "OUT" stands for the output file.
TEST_P(RefusedArguments, ExitWithStatusTwoAndOneLineWritingNothing) {
    QStringList options = QString::fromUtf8(GetParam()).split(' ');
    options.replaceInStrings("OUT", out.filePath("saida.png"));
    const CommandRun r = runCapturing(options, database.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.startsWith("zenita: ")) << r.err.toStdString();
    EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RefusedArguments,
    ::testing::Values(
        "--export-chart OUT --latitude 10 --color red", "--export-chart OUT --latitude",
        "--export-chart OUT --latitude --no-paths", "--export-chart OUT --orientation 30",
        "--latitude 10", "--export-chart OUT --latitude sul", "--export-chart OUT --latitude nan",
        "--export-chart OUT --latitude 65.01", "--export-chart OUT --latitude -70",
        "--export-chart OUT --latitude 1 --orientation -30",
        "--export-chart OUT --latitude 1 --alfa -5",
        "--export-chart OUT --latitude 1 --gamma-right 20,95",
        "--export-chart OUT --latitude 1 --beta-left 1,2,3",
        "--export-chart OUT --latitude 1 --alfa 20,",
        "--export-chart OUT --latitude 1 --reference ambas",
        "--export-chart OUT --latitude 1 --latitude 2", "--export-chart OUT.xyz --latitude 1",
        "--export-chart OUT/none/carta.png --latitude 1",
        "--export-chart OUT --latitude 3 --radius 4",
        "--export-chart OUT.pdf --latitude 3 --radius 0",
        "--export-chart OUT.pdf --latitude 3 --radius 1e9", "--export-chart OUT --city Atlantida",
        "--export-chart OUT --city São_Paulo --latitude 3", "--export-wind OUT --city Sem_Dados",
        "--export-wind OUT --city Atlantida", "--export-wind OUT --city Perdida",
        "--export-wind OUT", "--export-wind OUT --city São_Paulo --mode rapido",
        "--export-wind OUT.pdf --city São_Paulo --radius 3",
        "--export-wind OUT --city São_Paulo --overlay global",
        "--export-chart OUT --city São_Paulo --mode frequencia",
        "--export-chart OUT --city São_Paulo --overlay umidade",
        "--export-chart OUT --latitude -27.6 --overlay global",
        "--export-chart OUT --city Sem_Dados --overlay direta",
        "--export-chart OUT --city Perdida --overlay temperaturas",
        "--export-chart OUT --city Curta --overlay temperaturas",
        "--export-chart OUT --city São_Paulo --overlay global --period 3",
        "--export-chart OUT --city São_Paulo --period 2",
        "--export-chart OUT --export-wind OUT.bmp --city São_Paulo",
        "--shading-report OUT --city Sem_Dados --orientation 0",
        "--shading-report OUT --city Perdida --orientation 0",
        "--shading-report OUT --city Curta --orientation 0",
        "--shading-report OUT --city São_Paulo", "--shading-report OUT --orientation 0",
        "--shading-report OUT --city São_Paulo --orientation 0 --latitude 3",
        "--shading-report OUT --city São_Paulo --orientation 0 --overlay global",
        "--shading-report OUT --city São_Paulo --orientation 0 --alfa 95",
        "--shading-report OUT/none/sombra.csv --city São_Paulo --orientation 0"));
