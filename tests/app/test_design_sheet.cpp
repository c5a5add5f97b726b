// The design sheet as a reader of the PDF meets it: the texts it holds, the
// chart's scale on paper, the parts a latitude without a city leaves out, and
// the saves that cannot be made, from the command line and from the window.
#include "CityFiles.h"
#include "CommandRun.h"
#include "ScriptedFileChooser.h"
#include "ZenitaFixture.h"
#include "app/ChartPicture.h"
#include "climate/TextFile.h"
#include "overlay/ValueClasses.h"
#include "support/ImageAsserts.h"
#include "support/PdfTools.h"

#include <QDir>
#include <QRegularExpression>

namespace {

QString dataFolder() {
    return QStringLiteral(ZENITA_SOURCE_DATA_DIR);
}

// The PDF's text with every run of blanks made one blank, line by line.
QString sheetText(const QString& pdf) {
    QStringList lines;
    for (const QString& line : pdfText(pdf).split(u'\n')) {
        lines << line.simplified();
    }
    return lines.join(u'\n');
}

// "N 2.23 1.74 2.75 2.80": a table row as the sheet writes it.
QString row(const QString& header, const std::string& fileLine) {
    return header + u' ' + QString::fromStdString(fileLine).replace(u',', u' ');
}

}  // namespace

class SheetCommand : public ::testing::Test {
protected:
    void SetUp() override {
        if (!popplerInstalled()) {
            GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed";
        }
    }
    CommandRun run(const QStringList& options) { return runCapturing(options, dataFolder()); }
    QTemporaryDir out;
};

TEST_F(SheetCommand, BundledCitySheetNamesEverythingItShows) {
    const QString pdf = out.filePath("folha.pdf");
    const QStringList chart{"--city",       "Los_Angeles_Intl_Arpt",
                            "--orientation", "180",
                            "--alfa",        "30",
                            "--beta-right",  "20,50",
                            "--gamma-left",  "40.5"};
    const CommandRun result = run(QStringList{"--export-sheet", pdf} + chart +
                                  QStringList{"--overlay", "direta", "--period", "2"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.err, "");
    const QString text = sheetText(pdf);

    QStringList expected{"Los_Angeles_Intl_Arpt",
                         "Latitude 33.93° N · Longitude 118.4° O · Fuso horário UTC-8",
                         "Radiação Direta Normal",
                         "após 21 de Junho",
                         "Orientação da fachada: 180° · Referência: Interna",
                         "Alfa: 30° · Beta à direita: 20°, 50° · Gama à esquerda: 40.5°",
                         "Velocidades predominantes (m/s)",
                         "Ventos Ausentes (%)"};
    for (const char* caption :
         overlay::quantityClasses(overlay::Quantity::DirectNormalRadiation).captions) {
        expected << QString::fromUtf8(caption);
    }
    // The speeds (lines 9 to 16 of the wind file) and the calms (17 to 20) as written.
    const std::vector<std::string> wind =
        climate::readLines(dataFolder() + "/cidades/los_angeles_intl_arpt.ventos.csv");
    const QStringList directions{"N", "NE", "L", "SE", "S", "SO", "O", "NO"};
    for (int d = 0; d < 8; ++d) {
        expected << row(directions[d], wind[8 + static_cast<std::size_t>(d)]);
    }
    const QStringList periods{"Madrugada", "Manhã", "Tarde", "Noite"};
    for (int c = 0; c < 4; ++c) {
        expected << row(periods[c], wind[16 + static_cast<std::size_t>(c)]);
    }
    // The shading numbers of the same façade and masks, as the report gives them.
    const CommandRun report = run(QStringList{"--shading-report", out.filePath("s.csv")} + chart);
    ASSERT_EQ(report.status, 0) << report.err.toStdString();
    const QStringList csv = report.out.trimmed().split(u'\n');
    ASSERT_EQ(csv.size(), 22);
    expected << "Desempenho da máscara" << "Sol em frente à fachada" << "Ano";
    for (const QString& line : csv.mid(1)) {
        const QStringList f = line.split(u',');  // periodo,medida,horas,kwh_m2,sombreado_pct
        expected << (f[1] == "radiacao" ? f[3] + " kWh/m²" : f[2] + " h") + " · " + f[4] + " %";
    }
    for (const QString& part : expected) {
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << "\nnot in:\n"
                                         << text.toStdString();
    }
}

TEST_F(SheetCommand, LatitudeWithoutCityHasNoWindPartNorLegend) {
    const QString pdf = out.filePath("folha.pdf");
    ASSERT_EQ(run({"--export-sheet", pdf, "--latitude", "-27,6", "--orientation", "30"}).status, 0);
    const QString text = sheetText(pdf);
    EXPECT_TRUE(text.startsWith("Latitude 27.6° S\n")) << text.toStdString();
    for (const char* absent :
         {"Rosa dos Ventos", "Ventos Ausentes", "Legenda", "Longitude", "Desempenho"}) {
        EXPECT_FALSE(text.contains(QString::fromUtf8(absent))) << absent;
    }
}

// The horizon's diameter on the page, measured along the chart's north-south
// axis, is twice the radius asked, in the PDF and in the 300 dpi picture.
struct SheetScale {
    const char* name;
    const char* suffix;
    const char* radius;
};
void PrintTo(const SheetScale& c, std::ostream* out) {
    *out << c.name;
}

class SheetScaleTest : public SheetCommand, public ::testing::WithParamInterface<SheetScale> {};

TEST_P(SheetScaleTest, HorizonMeasuresTheRadiusAsked) {
    const SheetScale& p = GetParam();
    const QString file = out.filePath(QStringLiteral("folha.") + p.suffix);
    QStringList options{"--export-sheet", file, "--latitude", "-27.6"};
    if (*p.radius) {
        options << "--radius" << p.radius;
    }
    ASSERT_EQ(run(options).status, 0);
    const bool pdf = QString(p.suffix) == "pdf";
    const int dotsPerInch = pdf ? 150 : 300;
    const QImage page = pdf ? renderPdfPage(file, dotsPerInch) : QImage(file);
    ASSERT_FALSE(page.isNull());
    if (!pdf) {
        EXPECT_EQ(page.size(), QSize(2480, 3508));
        EXPECT_EQ(page.dotsPerMeterX(), 11811);
    }
    const double expected = 2 * (*p.radius ? std::stod(p.radius) : 6.0);
    EXPECT_NEAR(longestVerticalDarkRun(page) * 2.54 / dotsPerInch, expected, expected * 0.01);
}

INSTANTIATE_TEST_SUITE_P(Sheet, SheetScaleTest,
                         ::testing::Values(SheetScale{"PdfDefaultSixCm", "pdf", ""},
                                           SheetScale{"PdfThreeAndAHalf", "pdf", "3.5"},
                                           SheetScale{"PngDefaultSixCm", "png", ""}),
                         [](const auto& param) { return std::string(param.param.name); });

// Each refusal is one line on stderr, status 2, and nothing written.
struct SheetRefusal {
    const char* name;
    QStringList options;  // FILE is out/<first option>
    const char* message;
};
void PrintTo(const SheetRefusal& c, std::ostream* out) {
    *out << c.name;
}

class SheetRefusalTest : public SheetCommand, public ::testing::WithParamInterface<SheetRefusal> {};

TEST_P(SheetRefusalTest, SaysWhyAndWritesNothing) {
    const SheetRefusal& p = GetParam();
    QDir(out.path()).mkdir("pasta.pdf");
    const QStringList before = QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const CommandRun result =
        run(QStringList{"--export-sheet", out.filePath(p.options[0])} + p.options.mid(1));
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.startsWith("zenita: ")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QString::fromUtf8(p.message))) << result.err.toStdString();
    EXPECT_EQ(result.err.count(u'\n'), 1) << result.err.toStdString();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_TRUE(QDir(out.filePath("pasta.pdf")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Sheet, SheetRefusalTest,
    ::testing::Values(SheetRefusal{"NotPdfOrPng",
                                   {"folha.jpg", "--latitude", "10"},
                                   "use um arquivo .pdf ou .png"},
                      SheetRefusal{"RadiusBeyondTheSheet",
                                   {"folha.pdf", "--latitude", "10", "--radius", "6.5"},
                                   "a folha comporta no máximo 6 cm"},
                      SheetRefusal{"ModeWithoutCity",
                                   {"folha.pdf", "--latitude", "10", "--mode", "frequencia"},
                                   "--mode precisa de --city"},
                      SheetRefusal{"ModeForCityWithoutWindFile",
                                   {"folha.pdf", "--city", "Aracaju", "--mode", "frequencia"},
                                   "a cidade Aracaju não tem arquivo de ventos"},
                      SheetRefusal{"MissingFolder",
                                   {"nao-existe/folha.pdf", "--latitude", "10"},
                                   "não foi possível gravar"},
                      SheetRefusal{"TargetIsAFolder",
                                   {"pasta.pdf", "--latitude", "10"},
                                   "não foi possível gravar"}),
    [](const auto& param) { return std::string(param.param.name); });

// ---- From the window ----

class SheetWindow : public ZenitaFixture {
protected:
    void SetUp() override {
        database.writeIndex({"Cidade_V,-27.6,v.csv,v.ventos.csv,48.5,-3"});
        database.writeCityFile("v.csv", fileBytes(hourlyLines(8760, "12", "250", "900")));
        database.writeCityFile("v.ventos.csv",
                               fileBytes(windLines("10,20,30,40", "2.5,4,6,8", "1,2,3,\"4,5\"")));
        services.fileChooser = &chooser;
        createWindow();
        w().LoadCityList();
    }
    // Runs a menu item's handler after the menu has shown, with the answer
    // the file dialog gives.
    void save(void (TFormZenita::*handler)(), const QString& answer) {
        chooser.answers.push_back(answer);
        emit w().controls().Arquivo->aboutToShow();
        w().handle([&] { (w().*handler)(); });
    }
    ScriptedFileChooser chooser;
    QTemporaryDir out;
};

TEST_F(SheetWindow, MenuItemsFollowWhatTheViewHasDrawn) {
    const ZenitaControls& c = w().controls();
    emit c.Arquivo->aboutToShow();
    EXPECT_FALSE(c.ExportarFolha1->isEnabled());
    EXPECT_FALSE(c.SalvarImagem1->isEnabled());
    EXPECT_FALSE(c.CopiarTabelasVentos1->isEnabled());
    choose(1);  // draws the chart of the city
    emit c.Arquivo->aboutToShow();
    EXPECT_TRUE(c.ExportarFolha1->isEnabled());
    EXPECT_TRUE(c.SalvarImagem1->isEnabled());
    EXPECT_FALSE(c.SalvarTabelasVentos1->isEnabled());
    w().handle([this] { w().btnPlotarVentosClick(); });
    emit c.Editar1->aboutToShow();
    EXPECT_TRUE(c.CopiarTabelasVentos1->isEnabled());
    EXPECT_TRUE(c.SalvarTabelasVentos1->isEnabled());
}

TEST_F(SheetWindow, SavesTheViewAsCopiedAndTheSheetOfTheChartDrawn) {
    if (!popplerInstalled()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    choose(1);
    w().controls().ckPontos->setChecked(true);
    setAngles(0, "35");
    plot();
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.texts().join(" | ").toStdString();

    save(&TFormZenita::SalvarImagem1Click, out.filePath("carta.png"));
    EXPECT_EQ(compareImages(QImage(out.filePath("carta.png")).convertToFormat(QImage::Format_RGB32),
                            composeChartPicture(w()), "saved-view"),
              "");
    save(&TFormZenita::ExportarFolha1Click, out.filePath("folha.pdf"));
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.texts().join(" | ").toStdString();
    const QString text = sheetText(out.filePath("folha.pdf"));
    for (const char* part : {"Cidade_V", "Fuso horário UTC-3", "Alfa: 35°", "Temperaturas",
                             "até 21 de Junho", "TBS <= 10°C", "N 2.5 4 6 8", "Noite 1 2 3 4,5",
                             "Desempenho da máscara", "Sol em frente à fachada"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\nnot in:\n"
                                                            << text.toStdString();
    }
}

TEST_F(SheetWindow, WindTablesGoOutAsTabSeparatedTextAndCsv) {
    choose(1);
    w().handle([this] { w().btnPlotarVentosClick(); });
    w().CopiarTabelasVentos1Click();
    ASSERT_EQ(clipboard.texts.size(), 1u);
    const QString speeds = "\t2.5\t4\t6\t8\n";
    EXPECT_EQ(clipboard.texts[0], "Velocidades predominantes (m/s)\tP\tV\tO\tI\nN" + speeds + "NE" +
                                      speeds + "L" + speeds + "SE" + speeds + "S" + speeds + "SO" +
                                      speeds + "O" + speeds + "NO" + speeds +
                                      "\nVentos Ausentes (%)\tP\tV\tO\tI\n"
                                      "Madrugada\t1\t2\t3\t4,5\nManhã\t1\t2\t3\t4,5\n"
                                      "Tarde\t1\t2\t3\t4,5\nNoite\t1\t2\t3\t4,5\n");
    save(&TFormZenita::SalvarTabelasVentos1Click, out.filePath("ventos.csv"));
    QFile csv(out.filePath("ventos.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(u'\n');
    EXPECT_EQ(lines.mid(0, 2),
              QStringList({"Velocidades predominantes (m/s),P,V,O,I", "N,2.5,4,6,8"}));
    // A field holding a comma is quoted.
    EXPECT_EQ(lines[11], "Madrugada,1,2,3,\"4,5\"");
}

// A save into a folder that cannot be written says so and leaves nothing.
TEST_F(SheetWindow, SaveIntoAMissingFolderWarnsAndLeavesNothing) {
    choose(1);
    w().handle([this] { w().btnPlotarVentosClick(); });
    const struct {
        void (TFormZenita::*handler)();
        const char* file;
    } saves[] = {{&TFormZenita::ExportarFolha1Click, "folha.pdf"},
                 {&TFormZenita::ExportarFolha1Click, "folha.png"},
                 {&TFormZenita::SalvarImagem1Click, "rosa.png"},
                 {&TFormZenita::SalvarImagem1Click, "rosa.pdf"},
                 {&TFormZenita::SalvarTabelasVentos1Click, "ventos.csv"}};
    for (const auto& s : saves) {
        dialogs.messages.clear();
        const QString file = out.filePath(QStringLiteral("nao-existe/") + s.file);
        save(s.handler, file);
        EXPECT_TRUE(onlyMessage(MessageKind::Warning)
                        .startsWith(QStringLiteral("Não foi possível gravar ") + file + ": "))
            << s.file;
    }
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}
