// The city list: loading the index into cmbCidades and its four lists, and
// what choosing a city does to the window.
#include "ZenitaFixture.h"
#include "support/ImageAsserts.h"

#include <QFile>

class CityList : public ZenitaFixture {
protected:
    bool overlayEnabled() {
        return w().controls().ckPontos->isEnabled() && w().controls().cmbTipoDados->isEnabled() &&
               w().controls().rgPeriodo->isEnabled() && w().controls().btnLegenda->isEnabled();
    }
    bool windEnabled() {
        return w().controls().btnPlotarVentos->isEnabled() && w().controls().rgVentos->isEnabled();
    }
};

TEST_F(CityList, LoadsEveryLineInFileOrderWithNenhumFirst) {
    loadCities({"Cidade_X,-10.5,s/a,s/a,50", "\"Cidade Y\",\"-27,6\",cidade_y.csv,s/a,48.5,extra",
                "Cidade_X,3,x.csv,x.ventos.csv,40", "S\xE3o_Paulo,-23.55,s/a,s/a,46.63"});
    EXPECT_EQ(itemsOf(w().controls().cmbCidades),
              QStringList({"Nenhum", "Cidade_X", "Cidade Y", "Cidade_X", "São_Paulo"}));
    EXPECT_EQ(w().cityEntries().size(), 5u);  // "Nenhum"'s entry first
    choose(3);  // a city listed twice: each item reads its own line
    EXPECT_EQ(w().controls().editLatitude->text(), "3");
    choose(1);
    EXPECT_EQ(w().controls().editLatitude->text(), "-10.5");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CityList, LoadResetsTheWindowToNenhum) {
    w().controls().rgAngulos->setCurrentIndex(1);
    w().controls().IAlfaExterno->show();
    w().controls().IAlfaInterno->hide();
    w().controls().ckPontos->setEnabled(true);
    w().controls().ckPontos->setChecked(true);
    w().controls().rgVentos->setCurrentIndex(1);
    w().controls().PageControl1->setCurrentIndex(3);
    w().controls().editLatitude->setText("12");
    plot();
    w().controls().imagem->canvas().setBrushColor(Qt::red);
    w().controls().imagem->canvas().rectangle(0, 0, 50, 50);
    loadCities({"Cidade_X,-10.5,s/a,s/a,50"});
    EXPECT_EQ(
        QList<int>(
            {w().controls().cmbCidades->currentIndex(), w().controls().rgAngulos->currentIndex(),
             w().controls().rgVentos->currentIndex(), w().controls().rgPeriodo->currentIndex(),
             w().controls().cmbTipoDados->currentIndex(),
             w().controls().PageControl1->currentIndex()}),
        QList<int>(6, 0));
    EXPECT_FALSE(w().controls().IAlfaInterno->isHidden());
    EXPECT_TRUE(w().controls().IAlfaExterno->isHidden());
    EXPECT_FALSE(w().controls().ckPontos->isChecked());
    EXPECT_FALSE(overlayEnabled());
    EXPECT_FALSE(windEnabled());
    EXPECT_FALSE(w().controls().novo->isEnabled());
    EXPECT_TRUE(w().controls().editLatitude->isEnabled());
    EXPECT_EQ(w().controls().editLatitude->text(), "12");  // a load keeps the latitude text
    EXPECT_FALSE(w().chartDrawn());
    EXPECT_EQ(countPainted(pixels(w().controls().imagem)), 0);
}

TEST_F(CityList, MissingIndexWarnsAndItsOldItemsActAsNenhum) {
    QFile::remove(database.indexPath());
    w().LoadCityList();
    expectOnlyMessage(MessageKind::Warning, "Arquivo Latitudes.csv não encontrado!");
    EXPECT_EQ(w().controls().cmbCidades->count(), 4);  // the items stay as they were
    EXPECT_TRUE(w().cityEntries().empty());
    w().controls().editLatitude->setText("-5");
    choose(2);  // no list entries behind this item: nothing past the lists is read
    EXPECT_TRUE(w().controls().editLatitude->isEnabled());
    EXPECT_EQ(w().controls().editLatitude->text(), "-5");
    EXPECT_FALSE(overlayEnabled());
    // The chart names no city: it is the chart of "Nenhum".
    plot();
    const QImage chart = pixels(w().controls().imagem).copy();
    choose(0);
    plot();
    EXPECT_EQ(compareImages(chart, pixels(w().controls().imagem), "design-time-item-chart"), "");
}

TEST_F(CityList, AShortLineStopsWithErroKeepingTheLinesBeforeAligned) {
    loadCities({"A,1,s/a,s/a,2", "B,3,b.csv,s/a", "C,4,s/a,s/a,5"});
    expectOnlyMessage(MessageKind::Error, "Erro!");
    EXPECT_EQ(itemsOf(w().controls().cmbCidades), QStringList({"Nenhum", "A"}));
    EXPECT_EQ(w().cityEntries().size(), 2u);
    EXPECT_EQ(w().controls().cmbCidades->currentIndex(), 0);
}

TEST_F(CityList, ChoosingACityLocksItsLatitudeAndEnablesWhatItsFilesAllow) {
    loadCities({"Cidade_Y,\"-27,6\",cidade_y.csv,s/a,48.5", "Cidade_W,5,s/a,w.ventos.csv,40",
                "Cidade_Z,-3,s/a,s/a,40"});
    choose(1);
    EXPECT_EQ(w().controls().editLatitude->text(), "-27.6");
    EXPECT_FALSE(w().controls().editLatitude->isEnabled());
    EXPECT_TRUE(overlayEnabled());
    EXPECT_FALSE(windEnabled());
    EXPECT_TRUE(w().chartDrawn());  // the chart view redraws for the city

    w().controls().ckPontos->setChecked(true);
    choose(2);
    EXPECT_EQ(w().controls().editLatitude->text(), "5");
    EXPECT_FALSE(overlayEnabled());
    EXPECT_FALSE(w().controls().ckPontos->isChecked());
    EXPECT_TRUE(windEnabled());

    choose(0);
    EXPECT_TRUE(w().controls().editLatitude->isEnabled());
    EXPECT_EQ(w().controls().editLatitude->text(), "5");  // "Nenhum" keeps the latitude
    EXPECT_FALSE(windEnabled());
    EXPECT_FALSE(w().chartDrawn());
    EXPECT_TRUE(dialogs.messages.empty());
}

// The box is narrower than these latitudes: it shows their first digits.
TEST_F(CityList, ALatitudeLongerThanItsBoxShowsItsStart) {
    loadCities({"Bologna,44.53080,s/a,s/a,-11.3", "Importada,\"-45,000000\",s/a,s/a,0"});
    showWindow();
    for (int item : {1, 2}) {
        choose(item);
        const QLineEdit* box = w().controls().editLatitude;
        EXPECT_GT(box->fontMetrics().horizontalAdvance(box->text()), box->width() - 4);
        EXPECT_EQ(box->cursorPosition(), 0) << box->text().toStdString();
    }
    EXPECT_EQ(w().controls().editLatitude->text(), "-45.000000");
}

TEST_F(CityList, AFailingChartStillLeavesTheControlsMatchingTheCity) {
    loadCities({"Cidade_Y,-27.6,y.csv,y.ventos.csv,48.5"});
    setAngles(0, "");
    choose(1);
    onlyMessage(MessageKind::Error);
    EXPECT_TRUE(overlayEnabled());
    EXPECT_TRUE(windEnabled());
    EXPECT_FALSE(w().chartDrawn());
}

TEST_F(CityList, TheFirstActivationLoadsTheListOnce) {
    database.writeIndex({"Cidade_X,-10.5,s/a,s/a,50"});
    showWindow();
    EXPECT_EQ(itemsOf(w().controls().cmbCidades), QStringList({"Nenhum", "Cidade_X"}));
    choose(1);
    w().hide();
    showWindow();  // activated again (as after a dialog): no reload, no reset
    EXPECT_EQ(w().controls().cmbCidades->currentIndex(), 1);
    EXPECT_TRUE(w().chartDrawn());
}
