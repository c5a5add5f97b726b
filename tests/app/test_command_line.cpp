// The headless chart export: the picture it writes and the arguments it refuses.
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

// Runs the command line with stderr sent to a file; returns the status.
int runCapturingErrors(const QStringList& arguments, QString* errors) {
    QTemporaryDir dir;
    const QString path = dir.filePath("stderr.txt");
    std::fflush(stderr);
    const int saved = dup(fileno(stderr));
    FILE* capture = std::fopen(path.toLocal8Bit().constData(), "w");
    dup2(fileno(capture), fileno(stderr));
    const int status = runCommandLine(arguments);
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
