// The import window: its controls, "Buscar" and "Incluir Cidade" through a
// scripted file chooser, its modal result, and the main window's menu item.
#include "ImportWindowFixture.h"
#include "climate/EpwTestSupport.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QTest>

using ImportWindow = ImportWindowFixture;

TEST_F(ImportWindow, StartsWithOnlyTheChoiceOfAFileOpen) {
    for (QWidget* off : std::initializer_list<QWidget*>{f().edArquivo, f().edCidade, f().edLatitude,
                                                        f().edLongitude, f().btIncluir}) {
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    }
}

TEST_F(ImportWindow, TheFileChooserOffersCsvEpwAndBothAndAddsTheCsvSuffix) {
    f().FormActivate();
    f().btBuscarClick();
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].nameFilters,
              QStringList({"csv (*.csv)", "epw (*.epw)", "csv e epw (*.csv *.epw)"}));
    EXPECT_EQ(chooser.requests[0].selectedFilter, "csv e epw (*.csv *.epw)");
    EXPECT_EQ(chooser.requests[0].defaultSuffix, "csv");
    // A cancelled choice changes nothing.
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(f().btIncluir->isEnabled());

    const auto dialog = makeOpenFileDialog(nullptr, f().OpenDialog1);
    EXPECT_EQ(dialog->nameFilters(), f().OpenDialog1.nameFilters);
    EXPECT_EQ(dialog->defaultSuffix(), "csv");
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->selectedNameFilter(), "csv e epw (*.csv *.epw)");
}

TEST_F(ImportWindow, AnEpwSourceTurnsOnlyUntouchedSeasonStartsToItsHemisphere) {
    EpwOptions north;
    north.location = "LOCATION,Bologna,,ITA,T,0,44.53,11.30,1.0,37";
    chooser.answers = {writeSource(epwBytes(north), "norte.epw"),
                       writeSource(epwBytes({}), "sul.epw")};
    const auto edits = [this] {
        QStringList texts;
        for (const auto& season : f().seasonEdits()) {
            texts << season[0]->text() + "/" + season[1]->text() + "/" + season[2]->text();
        }
        return texts;
    };
    f().FormActivate();
    f().hora_v->setText("13");  // the person's own summer hour: summer stays
    f().btBuscarClick();
    ASSERT_TRUE(f().btIncluir->isEnabled());
    EXPECT_EQ(edits(), QStringList({"20/03/08", "21/12/13", "22/09/18", "21/12/14"}));
    f().btBuscarClick();
    EXPECT_EQ(edits(), QStringList({"22/09/18", "21/12/13", "20/03/08", "21/06/02"}));

    // Edits that happen to hold a northern default's day, month or hour are
    // the person's, and a regional source switches nothing.
    f().dia_p->setText("20");
    f().mes_i->setText("12");
    f().hora_i->setText("14");
    chooser.answers = {portoAlegre()};
    f().btBuscarClick();
    ASSERT_TRUE(f().btIncluir->isEnabled());
    EXPECT_EQ(edits(), QStringList({"20/09/18", "21/12/13", "20/03/08", "21/12/14"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

// After a success another file can be chosen and included in the same showing.
TEST_F(ImportWindow, BuscarFillsTheFieldsAndIncluirAddsTheCityThenClosingReloadsTheList) {
    loadCities({"Aracaju,-10.91,s/a,s/a,37.07"});
    const QString path = portoAlegre();
    SourceOptions natal;
    natal.location = "Natal,-5.79,-35.21";
    chooser.answers = {path, writeSource(sourceBytes(natal), "natal.csv")};
    int result = -1;
    runIncluirCidade([&] {
        f().btBuscar->click();
        EXPECT_EQ(f().edArquivo->text(), path);
        EXPECT_EQ(f().edCidade->text(), "Porto_Alegre");
        EXPECT_EQ(f().edLatitude->text(), "-30.03");
        EXPECT_EQ(f().edLongitude->text(), "51.22");
        for (QLineEdit* e : {f().edArquivo, f().edCidade, f().edLatitude, f().edLongitude}) {
            EXPECT_EQ(e->cursorPosition(), 0) << e->objectName().toStdString();  // start shown
        }
        EXPECT_TRUE(f().btIncluir->isEnabled());
        f().btIncluir->click();
        EXPECT_FALSE(f().btIncluir->isEnabled());
        EXPECT_TRUE(f().cidadeIncluida());
        // Not yet reloaded: the list follows when the window closes.
        EXPECT_EQ(w().controls().cmbCidades->count(), 2);
        f().btBuscar->click();
        EXPECT_TRUE(f().btIncluir->isEnabled());
        EXPECT_EQ(f().edCidade->text(), "Natal");
        f().btIncluir->click();
        f().btFechar->click();
        result = f().result();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(f().windowTitle(), "ZENITA 6.2");
    EXPECT_EQ(dialogs.texts(),
              QStringList({"Porto_Alegre incluso com sucesso!", "Natal incluso com sucesso!"}));
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(itemsOf(w().controls().cmbCidades),
              QStringList({"Nenhum", "Aracaju", "Porto_Alegre", "Natal"}));
    EXPECT_EQ(w().cityEntries()[2].windFile, "porto_alegre.ventos.csv");
}

TEST_F(ImportWindow, ClosingWithoutAnImportLeavesTheCityListAlone) {
    loadCities({"Aracaju,-10.91,s/a,s/a,37.07"});
    choose(1);
    // A list loaded now would show the new line and select "Nenhum".
    database.writeIndex({"Aracaju,-10.91,s/a,s/a,37.07", "Natal,-5.79,s/a,s/a,35.21"});
    chooser.answers = {writeSource("não é uma fonte\r\n", "x.csv"), QString()};
    runIncluirCidade([&] {
        f().btBuscar->click();   // refused
        f().btBuscar->click();   // cancelled
        f().btIncluir->click();  // disabled: does nothing
    });
    EXPECT_EQ(f().result(), QDialog::Rejected);
    EXPECT_EQ(dialogs.texts(), QStringList{"Arquivo inválido!"});
    EXPECT_EQ(itemsOf(w().controls().cmbCidades), QStringList({"Nenhum", "Aracaju"}));
    EXPECT_EQ(w().controls().cmbCidades->currentIndex(), 1);
    EXPECT_EQ(w().controls().editLatitude->text(), "-10.91");
}

TEST_F(ImportWindow, EachShowingStartsEmptyAndTheSeasonEditsKeepWhatWasTyped) {
    chooser.answers = {portoAlegre()};
    runIncluirCidade([&] {
        f().btBuscar->click();
        f().dia_p->setText("23");
        f().hora_i->setText("3");
    });
    EXPECT_EQ(f().result(), QDialog::Rejected);  // chosen but not included
    runIncluirCidade([&] {
        for (QLineEdit* e : {f().edArquivo, f().edCidade, f().edLatitude, f().edLongitude}) {
            EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
        }
        EXPECT_FALSE(f().btIncluir->isEnabled());
        EXPECT_EQ(f().dia_p->text(), "23");
        EXPECT_EQ(f().hora_i->text(), "3");
        EXPECT_EQ(f().mes_v->text(), "12");
    });
}

// Esc, the close box and "Fechar" all give OK exactly when a city was added
// in that showing.
TEST_F(ImportWindow, EveryWayOfClosingGivesOkExactlyWhenACityWasAdded) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Esc", [this] { QTest::keyClick(form.get(), Qt::Key_Escape); }},
        {"close box", [this] { f().close(); }},
        {"Fechar", [this] { f().btFechar->click(); }}};
    int added = 0;
    for (const auto& [how, close] : ways) {
        for (bool add : {false, true}) {
            SCOPED_TRACE(testing::Message() << how << (add ? " after an import" : ""));
            f().FormActivate();
            f().show();
            if (add) {
                SourceOptions city;
                city.location = "Cidade_" + std::to_string(++added) + ",-5.79,-35.21";
                chooser.answers = {writeSource(sourceBytes(city), QString("c%1.csv").arg(added))};
                f().btBuscarClick();
                f().btIncluirClick();
                ASSERT_TRUE(f().cidadeIncluida());
            }
            close();
            EXPECT_FALSE(f().isVisible());
            EXPECT_EQ(f().result(), add ? QDialog::Accepted : QDialog::Rejected);
        }
    }
}
