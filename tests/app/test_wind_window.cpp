// The wind-rose command through the main window: the tables, the mode, the
// missing file and the lines that stop it. The rose's pixel rules are the
// wind core's tests.
#include "CityFiles.h"
#include "ZenitaFixture.h"
#include "support/ImageAsserts.h"

#include <QDir>
#include <QFile>

namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

// The P and V columns of the north direction, from the octagon outwards.
const QRect kNorthP(207, 20, 11, 153);
const QRect kNorthV(219, 20, 11, 153);

}  // namespace

class WindWindow : public ZenitaFixture {
protected:
    // "Cidade_W" with the wind file w.ventos.csv, chosen in the list.
    void chooseCityWith(const std::vector<std::string>& lines) {
        database.writeCityFile("w.ventos.csv", fileBytes(lines));
        loadCities({"Cidade_W,-27.6,s/a,w.ventos.csv,48.5"});
        choose(1);
    }
    void drawRose() {
        w().handle([this] { w().btnPlotarVentosClick(); });
    }
    void chooseMode(int item) {
        w().controls().rgVentos->setCurrentIndex(item);
        w().handle([this] { w().rgVentosChange(); });
    }
    QString cell(int column, int row) { return w().controls().gridVentos->cell(column, row); }
    QString calm(int column, int row) { return w().controls().gridVentos2->cell(column, row); }
    const QImage& rose() { return pixels(w().controls().imVentos); }
};

TEST_F(WindWindow, TheTablesShowTheFileTextsAsWritten) {
    std::vector<std::string> lines = windLines("10,20,30,40", "1,1,1,1", "0,0,0,0");
    lines[8] = "2.50,2.5,3,4";
    lines[9] = "10,20,30,40,99";  // the fifth value is ignored
    lines[10] = "1 2\t3  4";      // blanks separate fields
    lines[16] = "calmo,\"n/d\",12.345,-";
    chooseCityWith(lines);
    drawRose();

    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].details.toStdString();
    EXPECT_EQ(QStringList({cell(1, 1), cell(2, 1), cell(4, 2), cell(1, 8)}),
              QStringList({"2.50", "2.5", "40", "1"}));
    EXPECT_EQ(QStringList({cell(1, 3), cell(2, 3), cell(3, 3), cell(4, 3)}),
              QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(QStringList({calm(1, 1), calm(2, 1), calm(3, 1), calm(4, 1), calm(4, 4)}),
              QStringList({"calmo", "n/d", "12.345", "-", "0"}));
    // 2.50 and 2.5 draw the same bar.
    EXPECT_GT(countPixels(rose(), kYellow, kNorthP), 100);
    EXPECT_EQ(countPixels(rose(), kYellow, kNorthP), countPixels(rose(), kRed, kNorthV));

    EXPECT_EQ(w().controls().tituloVentos->text(), "Velocidades predominantes :");
    EXPECT_TRUE(w().windRoseDrawn());
    EXPECT_TRUE(w().controls().Imprimir1->isEnabled());
    EXPECT_TRUE(w().controls().Copiar1->isEnabled());
}

// Speeds 4 m/s (2 units, 48 px) and frequencies 10 % (1 unit, 24 px); the
// frame starts 57 px above the centre at y 173.
TEST_F(WindWindow, TheModeChangesTitleScalesBarsAndTableNotTheRest) {
    chooseCityWith(windLines("10,10,10,10", "4,4,4,4", "0,0,0,0"));
    drawRose();
    EXPECT_EQ(w().controls().tituloVentos->text(), "Velocidades predominantes :");
    EXPECT_EQ(cell(1, 1), "4");
    EXPECT_TRUE(isColour(rose(), 212, 143, kYellow));
    const QImage speeds = rose();

    chooseMode(1);
    EXPECT_EQ(w().controls().tituloVentos->text(), "Frequência de ocorrência :");
    EXPECT_EQ(cell(1, 1), "10");
    EXPECT_TRUE(isColour(rose(), 212, 165, kYellow));
    EXPECT_TRUE(isColour(rose(), 212, 143, Qt::white));
    const QRect seasonLegend(0, 380, 120, 80);
    EXPECT_EQ(compareImages(rose().copy(seasonLegend), speeds.copy(seasonLegend), "legend"), "");
    EXPECT_TRUE(dialogs.messages.empty());
}

// A rose whose file is gone is no longer shown, nor printed or copied.
TEST_F(WindWindow, AMissingFileNamesItsFullPathAndBlanksTheRose) {
    chooseCityWith(windLines("10,10,10,10", "4,4,4,4", "1,2,3,4"));
    drawRose();
    ASSERT_TRUE(QFile::remove(database.cityFilePath("w.ventos.csv")));

    chooseMode(1);
    expectOnlyMessage(MessageKind::Warning,
                      "Arquivo " + database.cityFilePath("w.ventos.csv") + " não encontrado!");
    EXPECT_EQ(countPainted(rose()), 0);
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(calm(1, 1), "");
    EXPECT_EQ(w().controls().tituloVentos->text(), " ");
    EXPECT_FALSE(w().windRoseDrawn());
    EXPECT_FALSE(w().controls().Imprimir1->isEnabled());
    EXPECT_FALSE(w().controls().Copiar1->isEnabled());
}

// In the wind view a city choice runs the command, also for a city without a
// wind file, which is said to have none: its marker is never looked up as a
// path (a good wind file lies at "cidades/s/a").
TEST_F(WindWindow, ACityChoiceInTheWindViewRunsTheCommand) {
    QDir(database.path()).mkpath("cidades/s");
    database.writeCityFile("s/a", fileBytes(windLines("1,1,1,1", "1,1,1,1", "1,1,1,1")));
    database.writeCityFile("w.ventos.csv", fileBytes(windLines("1,1,1,1", "3,3,3,3", "0,0,0,0")));
    loadCities({"Cidade_W,-27.6,s/a,w.ventos.csv,48.5", "Cidade_S,-10,s/a,s/a,40"});
    w().handle([this] { w().RosadosVentos1Click(); });

    choose(1);
    EXPECT_TRUE(w().windRoseDrawn());
    EXPECT_FALSE(w().chartDrawn());
    EXPECT_EQ(w().controls().editLatitude->text(), "-27.6");
    EXPECT_EQ(cell(1, 1), "3");

    choose(2);
    expectOnlyMessage(MessageKind::Warning, "A cidade Cidade_S não tem arquivo de ventos.");
    EXPECT_FALSE(w().controls().btnPlotarVentos->isEnabled());
    EXPECT_FALSE(w().windRoseDrawn());
    EXPECT_EQ(countPainted(rose()), 0);

    choose(0);  // "Nenhum" runs nothing; the button then names the marker alone
    EXPECT_EQ(dialogs.messages.size(), 1u);
    drawRose();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "Arquivo s/a não encontrado!");
}

struct BadLineCase {
    const char* name;
    std::size_t line;    // from 0
    const char* text;    // nullptr: the file ends before this line
    int rowsFilled;      // rows of gridVentos written before the stop
    int calmRowsFilled;  // rows of gridVentos2
};
void PrintTo(const BadLineCase& c, std::ostream* out) {
    *out << c.name;
}

class WindLineFault : public WindWindow, public ::testing::WithParamInterface<BadLineCase> {};

TEST_P(WindLineFault, StopsWithTheErrorNamingTheLineAndKeepsWhatWasDone) {
    const BadLineCase& c = GetParam();
    std::vector<std::string> lines = windLines("10,10,10,10", "4,4,4,4", "1,2,3,4");
    if (c.text) {
        lines[c.line] = c.text;
    } else {
        lines.resize(c.line);
    }
    w().handle([this] { w().RosadosVentos1Click(); });
    chooseCityWith(lines);  // in the wind view: runs the command

    expectOnlyMessage(MessageKind::Error, "Erro!");
    const QString& details = dialogs.messages[0].details;
    EXPECT_TRUE(details.contains(database.cityFilePath("w.ventos.csv"))) << details.toStdString();
    EXPECT_TRUE(details.contains("linha " + QString::number(c.line + 1))) << details.toStdString();
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(cell(1, row).isEmpty(), row > c.rowsFilled) << row;
    }
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(calm(1, row).isEmpty(), row > c.calmRowsFilled) << row;
    }
    EXPECT_GT(countPixels(rose(), kYellow, kNorthP), 100);  // the north bars stay
    EXPECT_EQ(w().controls().tituloVentos->text(), "Velocidades predominantes :");
    EXPECT_FALSE(w().windRoseDrawn());
    EXPECT_FALSE(w().controls().Imprimir1->isEnabled());
    EXPECT_FALSE(w().controls().Copiar1->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Lines, WindLineFault,
                         ::testing::Values(BadLineCase{"NotANumber", 11, "4,4,x,4", 3, 0},
                                           BadLineCase{"TooShort", 11, "4,4,4", 3, 0},
                                           BadLineCase{"Missing", 12, nullptr, 4, 0},
                                           BadLineCase{"ShortCalmLine", 17, "1,2", 8, 1}),
                         [](const auto& param) { return std::string(param.param.name); });
