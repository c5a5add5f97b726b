// The city list: loading the index into cmbCidades and its four lists, and
// what choosing a city does to the window.
#include "ZenitaFixture.h"
#include "support/ImageAsserts.h"

#include <QFile>

class CityList : public ZenitaFixture {
protected:
    bool overlayEnabled() {
        return w().ckPontos->isEnabled() && w().cmbTipoDados->isEnabled() &&
               w().rgPeriodo->isEnabled() && w().btnLegenda->isEnabled();
    }
    bool windEnabled() { return w().btnPlotarVentos->isEnabled() && w().rgVentos->isEnabled(); }
};

TEST_F(CityList, LoadsEveryLineInFileOrderWithNenhumFirst) {
    loadCities({"Cidade_X,-10.5,s/a,s/a,50", "\"Cidade Y\",\"-27,6\",cidade_y.csv,s/a,48.5,extra",
                "Cidade_X,3,x.csv,x.ventos.csv,40", "S\xE3o_Paulo,-23.55,s/a,s/a,46.63"});
    EXPECT_EQ(itemsOf(w().cmbCidades),
              QStringList({"Nenhum", "Cidade_X", "Cidade Y", "Cidade_X", "São_Paulo"}));
    EXPECT_EQ(w().listaLatitudes, (std::vector<std::string>{"0", "-10.5", "-27,6", "3", "-23.55"}));
    EXPECT_EQ(w().listaArquivosHorarios[2], "cidade_y.csv");
    EXPECT_EQ(w().listaArquivosVentos[3], "x.ventos.csv");
    EXPECT_EQ(w().listaLongitudes[0], "0");
    EXPECT_EQ(w().listaLongitudes[2], "48.5");
    choose(3);  // a city listed twice: each item reads its own line
    EXPECT_EQ(w().editLatitude->text(), "3");
    choose(1);
    EXPECT_EQ(w().editLatitude->text(), "-10.5");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CityList, LoadResetsTheWindowToNenhum) {
    w().rgAngulos->setCurrentIndex(1);
    w().IAlfaExterno->show();
    w().IAlfaInterno->hide();
    w().ckPontos->setEnabled(true);
    w().ckPontos->setChecked(true);
    w().rgVentos->setCurrentIndex(1);
    w().PageControl1->setCurrentIndex(3);
    w().editLatitude->setText("12");
    w().imagem->canvas().setBrushColor(Qt::red);
    w().imagem->canvas().rectangle(0, 0, 50, 50);
    w().chartDrawn = true;
    loadCities({"Cidade_X,-10.5,s/a,s/a,50"});
    EXPECT_EQ(QList<int>({w().cmbCidades->currentIndex(), w().rgAngulos->currentIndex(),
                          w().rgVentos->currentIndex(), w().rgPeriodo->currentIndex(),
                          w().cmbTipoDados->currentIndex(), w().PageControl1->currentIndex()}),
              QList<int>(6, 0));
    EXPECT_FALSE(w().IAlfaInterno->isHidden());
    EXPECT_TRUE(w().IAlfaExterno->isHidden());
    EXPECT_FALSE(w().ckPontos->isChecked());
    EXPECT_FALSE(overlayEnabled());
    EXPECT_FALSE(windEnabled());
    EXPECT_FALSE(w().novo->isEnabled());
    EXPECT_TRUE(w().editLatitude->isEnabled());
    EXPECT_EQ(w().editLatitude->text(), "12");  // a load keeps the latitude text
    EXPECT_FALSE(w().chartDrawn);
    EXPECT_EQ(countPainted(pixels(w().imagem)), 0);
}

TEST_F(CityList, MissingIndexWarnsAndItsOldItemsActAsNenhum) {
    QFile::remove(database.indexPath());
    w().LoadCityList();
    expectOnlyMessage(MessageKind::Warning, "Arquivo Latitudes.csv não encontrado!");
    EXPECT_EQ(w().cmbCidades->count(), 4);  // the items stay as they were
    EXPECT_TRUE(w().listaLatitudes.empty());
    w().editLatitude->setText("-5");
    choose(2);  // no list entries behind this item: nothing past the lists is read
    EXPECT_TRUE(w().editLatitude->isEnabled());
    EXPECT_EQ(w().editLatitude->text(), "-5");
    EXPECT_FALSE(overlayEnabled());
    // The chart names no city: it is the chart of "Nenhum".
    plot();
    const QImage chart = pixels(w().imagem).copy();
    choose(0);
    plot();
    EXPECT_EQ(compareImages(chart, pixels(w().imagem), "design-time-item-chart"), "");
}

TEST_F(CityList, EmptyIndexGivesNenhumOnly) {
    loadCities({});
    EXPECT_EQ(itemsOf(w().cmbCidades), QStringList({"Nenhum"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CityList, AShortLineStopsWithErroKeepingTheLinesBeforeAligned) {
    loadCities({"A,1,s/a,s/a,2", "B,3,b.csv,s/a", "C,4,s/a,s/a,5"});
    expectOnlyMessage(MessageKind::Error, "Erro!");
    EXPECT_EQ(itemsOf(w().cmbCidades), QStringList({"Nenhum", "A"}));
    EXPECT_EQ(w().listaLatitudes.size(), 2u);
    EXPECT_EQ(w().listaLongitudes.size(), 2u);
    EXPECT_EQ(w().cmbCidades->currentIndex(), 0);
}

TEST_F(CityList, ChoosingACityLocksItsLatitudeAndEnablesWhatItsFilesAllow) {
    loadCities({"Cidade_Y,\"-27,6\",cidade_y.csv,s/a,48.5", "Cidade_W,5,s/a,w.ventos.csv,40",
                "Cidade_Z,-3,s/a,s/a,40"});
    choose(1);
    EXPECT_EQ(w().editLatitude->text(), "-27.6");
    EXPECT_FALSE(w().editLatitude->isEnabled());
    EXPECT_TRUE(overlayEnabled());
    EXPECT_FALSE(windEnabled());
    EXPECT_TRUE(w().chartDrawn);  // the chart view redraws for the city

    w().ckPontos->setChecked(true);
    choose(2);
    EXPECT_EQ(w().editLatitude->text(), "5");
    EXPECT_FALSE(overlayEnabled());
    EXPECT_FALSE(w().ckPontos->isChecked());
    EXPECT_TRUE(windEnabled());

    choose(0);
    EXPECT_TRUE(w().editLatitude->isEnabled());
    EXPECT_EQ(w().editLatitude->text(), "5");  // "Nenhum" keeps the latitude
    EXPECT_FALSE(windEnabled());
    EXPECT_FALSE(w().chartDrawn);
    EXPECT_TRUE(dialogs.messages.empty());
}

// The box is narrower than these latitudes: it shows their first digits.
TEST_F(CityList, ALatitudeLongerThanItsBoxShowsItsStart) {
    loadCities({"Bologna,44.53080,s/a,s/a,-11.3", "Importada,\"-45,000000\",s/a,s/a,0"});
    showWindow();
    for (int item : {1, 2}) {
        choose(item);
        const QLineEdit* box = w().editLatitude;
        EXPECT_GT(box->fontMetrics().horizontalAdvance(box->text()), box->width() - 4);
        EXPECT_EQ(box->cursorPosition(), 0) << box->text().toStdString();
    }
    EXPECT_EQ(w().editLatitude->text(), "-45.000000");
}

TEST_F(CityList, AFailingChartStillLeavesTheControlsMatchingTheCity) {
    loadCities({"Cidade_Y,-27.6,y.csv,y.ventos.csv,48.5"});
    setAngles(0, "");
    choose(1);
    onlyMessage(MessageKind::Error);
    EXPECT_TRUE(overlayEnabled());
    EXPECT_TRUE(windEnabled());
    EXPECT_FALSE(w().chartDrawn);
}

TEST_F(CityList, TheFirstActivationLoadsTheListOnce) {
    database.writeIndex({"Cidade_X,-10.5,s/a,s/a,50"});
    showWindow();
    EXPECT_EQ(itemsOf(w().cmbCidades), QStringList({"Nenhum", "Cidade_X"}));
    choose(1);
    w().hide();
    showWindow();  // activated again (as after a dialog): no reload, no reset
    EXPECT_EQ(w().cmbCidades->currentIndex(), 1);
    EXPECT_TRUE(w().chartDrawn);
}
