// "Desempenho da máscara" and --shading-report: the shading numbers of the
// chart on screen follow every chart command and stroke of the hand, say why
// when there are none, and the command line writes the window's numbers.
#include "CityFiles.h"
#include "CommandRun.h"
#include "ZenitaFixture.h"
#include "app/UDesempenho.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class MaskPerformanceWindow : public ZenitaFixture {
protected:
    // 27.6° S on Brasília time, 22 °C (class 4) and 600 W/m² every hour.
    void SetUp() override {
        ZenitaFixture::SetUp();
        database.writeCityFile("f.csv", fileBytes(hourlyLines(8760, "22", "0", "600")));
        loadCities({"Floripa,-27.6,f.csv,s/a,48.5", "Sem_Dados,-10,s/a,s/a,40"});
    }
    TFormDesempenho& form() { return *w().controls().formDesempenho; }
    void openForm() { w().controls().DesempenhoMascara1->trigger(); }
    // The share of the year's hours of sun shaded, as shown; -1 without numbers.
    double yearShaded() {
        const auto& table = form().table();
        if (!table) {
            return -1.0;
        }
        return table->at(shading::Period::Year, shading::Measure::Sun).shadedPct.value_or(-1.0);
    }
    void clickMask(QPoint p) {
        QTest::mouseClick(w().controls().imagem3, Qt::LeftButton, Qt::NoModifier, p);
    }
};

TEST_F(MaskPerformanceWindow, SaysWhyUntilACityWithHourlyDataHasTheProtractorOn) {
    openForm();
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(form().isModal());
    EXPECT_EQ(form().windowTitle(), "Desempenho da máscara");
    EXPECT_TRUE(form().lbSituacao->text().startsWith("Nenhuma carta desenhada"));

    w().controls().editLatitude->setText("-27.6");
    plot();
    EXPECT_TRUE(form().lbSituacao->text().startsWith("Escolha uma cidade com arquivo horário"));
    choose(2);
    EXPECT_EQ(form().lbSituacao->text(),
              "A cidade Sem_Dados não tem arquivo horário: não há "
              "horas de sol para contar.");
    choose(1);
    ASSERT_TRUE(form().table().has_value());
    EXPECT_EQ(form().lbSituacao->text().toStdString(),
              "Floripa, latitude -27.6, fachada de orientação 0.00°");
    EXPECT_TRUE(form().gridDesempenho->isVisible());
    EXPECT_EQ(yearShaded(), 0.0);

    w().controls().TransferidorCheck->setChecked(false);
    plot();
    EXPECT_FALSE(form().table().has_value());
    EXPECT_FALSE(form().gridDesempenho->isVisible());
    EXPECT_TRUE(form().lbSituacao->text().startsWith("Marque o Transferidor"));
    // The wind rose's reset blanks the chart.
    w().controls().TransferidorCheck->setChecked(true);
    plot();
    ASSERT_TRUE(form().table().has_value());
    w().handle([this] { w().novoClick(); });
    EXPECT_TRUE(form().lbSituacao->text().startsWith("Nenhuma carta desenhada"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MaskPerformanceWindow, FollowsTypedMasksAndTheHandDrawingAndCopiesAsText) {
    choose(1);
    openForm();
    EXPECT_EQ(yearShaded(), 0.0);
    w().controls().rgAngulos->setCurrentIndex(1);
    setAngles(0, "0");
    plot();
    EXPECT_GT(yearShaded(), 99.0);

    w().controls().Alfa1Check->setChecked(false);
    plot();
    EXPECT_EQ(yearShaded(), 0.0);
    // The guides of "Desenhar reta" shade nothing; the north-west quarter
    // they bound, filled yellow, shades half of its hours.
    w().controls().desMascCheck->setChecked(true);
    EXPECT_EQ(yearShaded(), 0.0);
    w().controls().preMascCheck->setChecked(true);
    w().controls().radioPreParcial->setChecked(true);
    clickMask({150, 150});
    const double partial = yearShaded();
    EXPECT_GT(partial, 5.0);
    EXPECT_LT(partial, 50.0);
    w().controls().radioPreTotal->setChecked(true);
    clickMask({150, 150});
    EXPECT_NEAR(yearShaded(), 2 * partial, 1e-9);

    form().btnCopiar->click();
    ASSERT_EQ(clipboard.texts.size(), 1u);
    EXPECT_EQ(clipboard.texts[0],
              form().lbSituacao->text() + '\n' + shading::tabText(*form().table()));
    // "Limpar" redraws the chart without the hand drawing.
    w().controls().btnLimparDesenho->click();
    EXPECT_EQ(yearShaded(), 0.0);
}

// The command line's CSV holds the numbers the window shows for the same
// typed masks, and prints them too.
TEST_F(MaskPerformanceWindow, TheReportIsTheWindowsNumbersAsCsv) {
    QTemporaryDir out;
    const QString file = out.filePath("sombra.csv");
    const CommandRun r =
        runCapturing({"--shading-report", file, "--city", "Floripa", "--orientation", "30",
                      "--alfa", "40", "--beta-left", "20,60", "--gamma-right", "45"},
                     database.path());
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, "");
    QFile csv(file);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(csv.readAll());
    EXPECT_EQ(r.out, written);
    const QStringList lines = written.split('\n');
    ASSERT_EQ(lines.size(), 23);  // header, 21 rows, the empty text after the last newline
    EXPECT_EQ(lines[0], "periodo,medida,horas,kwh_m2,sombreado_pct");
    EXPECT_TRUE(lines[1].startsWith("1,sol,"));
    EXPECT_TRUE(lines[21].startsWith("ano,radiacao,"));

    choose(1);
    w().controls().editOrient->setText("30");
    setAngles(0, "40");
    setAngles(2, "20", "60");
    setAngles(3, "45");
    openForm();
    plot();
    ASSERT_TRUE(form().table().has_value());
    EXPECT_EQ(shading::csvText(*form().table()), written);
}
