// The hourly overlay through the main window: what the chart command draws on
// imagem4 from a city's hourly file, what it refuses, the hourglass, and the
// legend. The pixel rules of the overlay itself are the overlay core's tests.
#include "CityFiles.h"
#include "ZenitaFixture.h"
#include "climate/HourlyFile.h"
#include "overlay/HourlyOverlay.h"
#include "support/ImageAsserts.h"

#include <QDir>

namespace {

constexpr std::size_t kYear = 8760;
const char* const kCity = "Cidade_H,-27.6,h.csv,s/a,48.5";

}  // namespace

class OverlayWindow : public ZenitaFixture {
protected:
    // The city of the index line, with the hourly file h.csv, chosen in the list.
    void chooseCityWith(const std::vector<std::string>& lines, const char* indexLine = kCity) {
        database.writeCityFile("h.csv", fileBytes(lines));
        loadCities({indexLine});
        choose(1);
    }
    // The chart command with the overlay of a quantity and half-year; the
    // path marks and labels only when asked for.
    void drawOverlay(int quantity, int period, bool paths = false) {
        w().controls().ckTrajetoria->setChecked(paths);
        w().controls().ckPontos->setChecked(true);
        w().controls().cmbTipoDados->setCurrentIndex(quantity);
        w().controls().rgPeriodo->setCurrentIndex(period);
        plot();
    }
    const QImage& overlayLayer() { return pixels(w().controls().imagem4); }
};

// The three fields fall into different classes of every quantity, so a
// quantity reading another's field would show another colour.
TEST_F(OverlayWindow, EachQuantityReadsItsOwnFieldAndColoursEveryDiscByItsClass) {
    chooseCityWith(hourlyLines(kYear, "10", "1000", "1300.5"));
    const QColor colours[] = {QColor(0, 0, 128), QColor(216, 129, 0), QColor(255, 0, 0)};
    for (int quantity = 0; quantity < 3; ++quantity) {
        drawOverlay(quantity, 1);
        const int painted = countPainted(overlayLayer());
        EXPECT_GT(painted, 10000) << quantity;
        EXPECT_EQ(countPixels(overlayLayer(), colours[quantity]), painted) << quantity;
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(w().chartDrawn());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The window reads only the half-year's lines; the picture is the one the
// overlay draws from the whole file.
TEST_F(OverlayWindow, EachHalfYearIsThePictureOfTheWholeFile) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < kYear; ++i) {
        const std::string temperature = std::to_string(5 + (i % 24) + (i / 24) % 9);
        lines.push_back(hourlyLines(1, temperature, "0", "0")[0]);
    }
    chooseCityWith(lines);
    for (int period : {0, 1}) {
        drawOverlay(0, period);
        ASSERT_TRUE(dialogs.messages.empty());
        Canvas expected(460, 460);
        overlay::drawHourlyPoints(expected, w().chartGeometry(),
                                  climate::hourlyColumnFromLines(lines, climate::kTemperatureField),
                                  {-27.6, 48.5, period, overlay::Quantity::Temperature, 45.0});
        EXPECT_EQ(compareImages(overlayLayer(), expected.image(), "whole-file"), "") << period;
    }
}

// No city, the no-file marker (never looked up, though cidades/s/a is a good
// hourly file here) and a file missing from disk all draw nothing, silently.
TEST_F(OverlayWindow, WithoutAFileNothingIsDrawnAndNothingSaid) {
    QDir(database.path()).mkpath("cidades/s");
    database.writeCityFile("s/a", fileBytes(hourlyLines(kYear, "30", "0", "0")));
    const std::pair<const char*, int> cases[] = {
        {kCity, 0}, {"Cidade_S,-27.6,s/a,s/a,48.5", 1}, {"Cidade_M,-27.6,m.csv,s/a,48.5", 1}};
    for (const auto& [indexLine, item] : cases) {
        SCOPED_TRACE(indexLine);
        loadCities({indexLine});
        w().controls().editLatitude->setText("-27.6");
        choose(item);
        drawOverlay(0, 1, true);
        EXPECT_TRUE(w().chartDrawn());
        // The path labels alone: no overlay colour, no path-mark disc.
        EXPECT_EQ(countPixels(overlayLayer(), QColor(207, 0, 0)), 0);
        w().controls().ckTrajetoria->setChecked(false);
        plot();
        EXPECT_EQ(countPainted(overlayLayer()), 0);
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

struct FailureCase {
    const char* name;
    std::size_t lineCount;
    std::size_t badLine;  // from 0; kYear for none
    const char* badText;
    const char* indexLine;
    bool indexFault;    // the fault lies in the index, not in the hourly file
    const char* named;  // in the warning's details
};
void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class OverlayFailure : public OverlayWindow, public ::testing::WithParamInterface<FailureCase> {};

// The second half-year starts at line 4104; each fault lies after it.
TEST_P(OverlayFailure, KeepsThePointsDrawnSoFarAndWarnsOnceNamingFileAndLine) {
    const FailureCase& c = GetParam();
    std::vector<std::string> lines = hourlyLines(c.lineCount, "17", "0", "0");
    if (c.badLine < lines.size()) {
        lines[c.badLine] = c.badText;
    }
    chooseCityWith(lines, c.indexLine);
    drawOverlay(0, 1, true);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    const RecordedMessage& warning = dialogs.messages[0];
    EXPECT_EQ(warning.kind, MessageKind::Warning);
    EXPECT_TRUE(
        warning.text.contains(c.indexFault ? database.indexPath() : database.cityFilePath("h.csv")))
        << warning.text.toStdString();
    EXPECT_TRUE(warning.details.contains(QString::fromUtf8(c.named)))
        << warning.details.toStdString();
    if (!c.indexFault) {  // the points before the fault stay
        EXPECT_GT(countPixels(overlayLayer(), QColor(0, 192, 255)), 100);
    }
    // The chart goes on: its labels and final state.
    EXPECT_TRUE(w().chartDrawn());
    EXPECT_GT(countPixels(overlayLayer(), QColor(0, 0, 255)), 0);  // blue hours of 21 January
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, OverlayFailure,
    ::testing::Values(FailureCase{"ShortFile", 24 * 200, kYear, "", "Cidade_H,-27.6,h.csv,s/a,48.5",
                                  false, "linha 4801"},
                      FailureCase{"LineWithoutTheField", kYear, 4500, "1,1,12",
                                  "Cidade_H,-27.6,h.csv,s/a,48.5", false, "linha 4501"},
                      FailureCase{"FieldNotANumber", kYear, 5000, "1,1,8,quente",
                                  "Cidade_H,-27.6,h.csv,s/a,48.5", false, "linha 5001"},
                      FailureCase{"LongitudeNotANumber", kYear, kYear, "",
                                  "Cidade_H,-27.6,h.csv,s/a,48W", true, "'48W' da linha 1"}),
    [](const auto& param) { return std::string(param.param.name); });

// A file that cannot be read at all ends the command in the error dialog;
// the hourglass goes all the same.
TEST_F(OverlayWindow, AnUnreadableFileIsAnErrorAndTheHourglassGoes) {
    QDir(database.path()).mkpath("cidades/h.csv");
    loadCities({kCity});
    choose(1);
    drawOverlay(0, 0);
    onlyMessage(MessageKind::Error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(OverlayWindow, PathMarksAndLabelsFollowTrajetoriaAtTheNextRedraw) {
    chooseCityWith(hourlyLines(kYear, "17", "0", "0"));  // class 3: (0, 192, 255)
    drawOverlay(0, 0, true);
    EXPECT_GT(countPixels(overlayLayer(), Qt::black), 1000);        // marks, date labels
    EXPECT_GT(countPixels(overlayLayer(), QColor(0, 0, 255)), 20);  // hours of 21 January
    const QImage withPaths = overlayLayer();

    w().controls().ckTrajetoria->setChecked(false);  // nothing changes until the redraw
    EXPECT_EQ(compareImages(overlayLayer(), withPaths, "trajetoria-toggled"), "");
    w().controls().ckPontos->setChecked(false);
    EXPECT_EQ(compareImages(overlayLayer(), withPaths, "pontos-toggled"), "");
    w().controls().ckPontos->setChecked(true);
    plot();
    EXPECT_EQ(countPixels(overlayLayer(), Qt::black), 0);
    EXPECT_EQ(countPixels(overlayLayer(), QColor(0, 0, 255)), 0);
    EXPECT_EQ(countPixels(overlayLayer(), QColor(0, 192, 255)), countPainted(overlayLayer()));
}

// While shown the legend is refilled for each quantity; only its own buttons
// show or hide it.
TEST_F(OverlayWindow, TheLegendFollowsTheQuantityAndOnlyItsButtonsShowOrHideIt) {
    w().controls().editLatitude->setText("-27.6");
    const auto chooseQuantity = [this](int item) {
        w().controls().cmbTipoDados->setCurrentIndex(item);
        w().handle([this] { w().cmbTipoDadosChange(); });
    };
    chooseQuantity(2);  // filled while hidden
    EXPECT_EQ(w().controls().lbRange[1]->text(), "250 < Ib <= 500 W/m²");
    EXPECT_TRUE(w().controls().pnlLegenda->isHidden());
    w().handle([this] { w().btnLegendaClick(); });
    w().handle([this] { w().btnLegendaClick(); });  // again: still shown
    EXPECT_FALSE(w().controls().pnlLegenda->isHidden());

    const struct {
        const char* first;
        QColor firstColour;
        const char* last;
        QColor lastColour;
    } legends[] = {{"TBS <= 10°C", QColor(0, 0, 128), "TBS > 25°C", QColor(207, 0, 0)},
                   {"I <= 250 W/m²", QColor(255, 255, 150), "1000 < I <= 1300 W/m²", Qt::red},
                   {"Ib <= 250 W/m²", QColor(255, 255, 150), "1000 < Ib <= 1300 W/m²", Qt::red}};
    for (int quantity = 0; quantity < 3; ++quantity) {
        w().novoClick();
        chooseQuantity(quantity);
        const auto& l = legends[quantity];
        EXPECT_FALSE(w().controls().pnlLegenda->isHidden());
        EXPECT_TRUE(w().chartDrawn());  // and the chart is redrawn
        EXPECT_EQ(w().controls().lbRange[0]->text(), QString::fromUtf8(l.first));
        EXPECT_EQ(w().controls().lbRange[4]->text(), QString::fromUtf8(l.last));
        EXPECT_EQ(w().controls().cx[0]->palette().color(QPalette::Window), l.firstColour);
        EXPECT_EQ(w().controls().cx[4]->palette().color(QPalette::Window), l.lastColour);
    }

    w().controls().rgPeriodo->setCurrentIndex(1);
    w().handle([this] { w().rgPeriodoClick(); });
    EXPECT_EQ(w().controls().lbRange[1]->text(), "250 < Ib <= 500 W/m²");

    w().LoadCityList();  // back to "Temperaturas", and the legend with it
    EXPECT_EQ(w().controls().lbRange[1]->text(), "10°C < TBS <= 14°C");
    EXPECT_EQ(w().controls().cx[1]->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_FALSE(w().controls().pnlLegenda->isHidden());

    w().handle([this] { w().btnFechaLegendaClick(); });
    EXPECT_TRUE(w().controls().pnlLegenda->isHidden());
}
