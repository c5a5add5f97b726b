#include "CityFiles.h"
#include "ZenitaFixture.h"
#include "app/USplash.h"
#include "math/numbers.h"
#include "support/ImageAsserts.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTest>
#include <QTimer>

#include <clocale>
#include <stdexcept>

namespace {

// Paints a red square and leaves the brush white, as every drawing does.
void paintSomething(Canvas& c) {
    c.setBrushColor(Qt::red);
    c.rectangle(10, 10, 100, 100);
    c.setBrushColor(Qt::white);
}

}  // namespace

using MainWindow = ZenitaFixture;

TEST_F(MainWindow, StartsInTheChartViewWithNothingDrawnAndNoMaskTyped) {
    EXPECT_EQ(w().windowTitle(), "ZENITA 6.2");
    EXPECT_TRUE(w().controls().CartaZenita1->isChecked());
    EXPECT_FALSE(w().controls().RosadosVentos1->isChecked());
    EXPECT_FALSE(w().controls().Imprimir1->isEnabled());
    EXPECT_FALSE(w().controls().Copiar1->isEnabled());
    EXPECT_TRUE(w().controls().Comparar1->isEnabled());
    EXPECT_EQ(w().controls().cmbCidades->count(), 4);
    EXPECT_TRUE(w().controls().ckTrajetoria->isChecked());
    EXPECT_TRUE(w().controls().TransferidorCheck->isChecked());
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             w().controls().pontos, w().controls().novo, w().controls().imagemCompleta,
             w().controls().pnlLegenda, w().controls().pnlDadosVentos, w().controls().pnlVentos}) {
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    }
    EXPECT_FALSE(w().controls().pontos->isEnabled());
    for (const auto& p : w().anglePairs()) {
        EXPECT_TRUE(p.firstCheck->isEnabled());
        EXPECT_FALSE(p.firstCheck->isChecked());
        EXPECT_FALSE(p.secondCheck->isEnabled());
        for (TFnpNumericEdit* box : {p.firstEdit, p.secondEdit}) {
            EXPECT_FALSE(box->isEnabled());
            EXPECT_EQ(box->text(), "0.00");
        }
    }
    EXPECT_FALSE(w().controls().preMascCheck->isEnabled());
    EXPECT_TRUE(w().controls().radioPreTotal->isChecked());
    EXPECT_FALSE(w().drawMaskMode());
    EXPECT_TRUE(w().segmentStart());
}

// On the panel and on every page, in the 8-point font of the window: each
// caption is whole, and clear of the boxes beside it.
TEST_F(MainWindow, EveryCaptionOfTheInputPanelFitsBesideItsBox) {
    std::vector<QWidget*> parents{w().controls().Panel1};
    for (int i = 0; i < w().controls().PageControl1->count(); ++i) {
        parents.push_back(w().controls().PageControl1->widget(i));
    }
    for (QWidget* parent : parents) {
        const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* caption : children) {
            QString text;
            if (const auto* label = qobject_cast<QLabel*>(caption)) {
                text = label->text();
            } else if (qobject_cast<QCheckBox*>(caption) || qobject_cast<QRadioButton*>(caption)) {
                text = qobject_cast<QAbstractButton*>(caption)->text();
            }
            if (text.trimmed().isEmpty()) {
                continue;
            }
            SCOPED_TRACE(text.toStdString());
            EXPECT_EQ(caption->font().pointSize(), 8);
            EXPECT_LE(caption->sizeHint().width(), caption->width());
            for (QWidget* box : children) {
                if (qobject_cast<QLineEdit*>(box) || qobject_cast<QComboBox*>(box)) {
                    EXPECT_FALSE(caption->geometry().intersects(box->geometry()))
                        << box->metaObject()->className() << " at " << box->x();
                }
            }
        }
    }
}

TEST_F(MainWindow, ViewSwitchingEnablesPrintingByWhatTheViewHasDrawn) {
    w().controls().editLatitude->setText("10");
    plot();
    w().controls().RosadosVentos1->trigger();
    EXPECT_FALSE(w().controls().pnlVentos->isHidden());
    EXPECT_FALSE(w().controls().pnlDadosVentos->isHidden());
    EXPECT_TRUE(w().controls().ckTrajetoria->isHidden());
    EXPECT_TRUE(w().controls().RosadosVentos1->isChecked());
    EXPECT_FALSE(w().controls().CartaZenita1->isChecked());
    EXPECT_FALSE(w().controls().Imprimir1->isEnabled());
    EXPECT_FALSE(w().controls().Copiar1->isEnabled());

    w().controls().btnVoltaParaCarta->click();
    EXPECT_TRUE(w().controls().pnlVentos->isHidden());
    EXPECT_FALSE(w().controls().ckTrajetoria->isHidden());
    EXPECT_TRUE(w().controls().CartaZenita1->isChecked());
    EXPECT_TRUE(w().controls().Imprimir1->isEnabled());
    EXPECT_TRUE(w().controls().Copiar1->isEnabled());

    // In the wind view a city draws its rose and no chart.
    database.writeCityFile("v.ventos.csv", fileBytes(windLines("1,2,3,4", "5,6,7,8", "1,1,1,1")));
    loadCities({"Cidade_V,-10,s/a,v.ventos.csv,40"});
    w().controls().RosadosVentos1->trigger();
    choose(1);
    ASSERT_TRUE(w().windRoseDrawn());
    ASSERT_FALSE(w().chartDrawn());
    w().controls().CartaZenita1->trigger();
    w().controls().RosadosVentos1->trigger();
    EXPECT_TRUE(w().controls().Imprimir1->isEnabled());
    w().controls().CartaZenita1->trigger();
    EXPECT_FALSE(w().controls().Imprimir1->isEnabled());
    EXPECT_EQ(w().windowTitle(), "ZENITA 6.2");
}

// "Atualizar &Carta Zenita" and "Retornar para &Carta Zenita" share Alt+C;
// each view has one of them in sight.
TEST_F(MainWindow, AltCReturnsToTheChartInTheWindViewAndRedrawsInTheChartView) {
    showWindow();
    w().controls().editLatitude->setText("-27.6");
    w().controls().RosadosVentos1->trigger();
    // A mnemonic clicks its button as a person would: the click lands later.
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return w().controls().CartaZenita1->isChecked(); }, 2000));
    EXPECT_TRUE(w().controls().pnlDadosVentos->isHidden());
    EXPECT_FALSE(w().chartDrawn());

    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return w().chartDrawn(); }, 2000));
    EXPECT_TRUE(w().controls().CartaZenita1->isChecked());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, ResetBlanksBothViewsWhateverViewShows) {
    for (bool windView : {false, true}) {
        w().controls().editLatitude->setText("10");
        plot();
        if (windView) {
            w().RosadosVentos1Click();
        }
        const auto layers = {w().controls().imagem, w().controls().imagem2, w().controls().imagem3,
                             w().controls().imagem4, w().controls().imVentos};
        for (ImageLayer* layer : layers) {
            paintSomething(layer->canvas());
        }
        w().controls().gridVentos->setCell(2, 3, "1.00");
        w().controls().gridVentos2->setCell(4, 4, "9.00");
        w().controls().tituloVentos->setText("Velocidades predominantes :");
        ASSERT_TRUE(w().chartDrawn());
        w().controls().Imprimir1->setEnabled(true);
        w().controls().plotar->setEnabled(false);
        w().controls().novo->setEnabled(false);

        w().novoClick();  // a programmatic click runs even while disabled

        for (ImageLayer* layer : layers) {
            EXPECT_EQ(countPainted(pixels(layer)), 0) << layer->objectName().toStdString();
        }
        for (int c = 1; c <= 4; ++c) {
            for (int r = 1; r <= 8; ++r) {
                EXPECT_EQ(w().controls().gridVentos->cell(c, r), "");
            }
            for (int r = 1; r <= 4; ++r) {
                EXPECT_EQ(w().controls().gridVentos2->cell(c, r), "");
            }
        }
        EXPECT_EQ(w().controls().gridVentos->cell(1, 0), "P");
        EXPECT_EQ(w().controls().gridVentos2->cell(0, 4), "Noite");
        EXPECT_EQ(w().controls().tituloVentos->text(), " ");
        EXPECT_FALSE(w().chartDrawn());
        EXPECT_FALSE(w().windRoseDrawn());
        EXPECT_FALSE(w().controls().Imprimir1->isEnabled());
        EXPECT_FALSE(w().controls().Copiar1->isEnabled());
        EXPECT_TRUE(w().controls().plotar->isEnabled());
        EXPECT_EQ(w().controls().RosadosVentos1->isChecked(), windView);
    }
}

TEST_F(MainWindow, AnExceptionLeavingAHandlerIsShownOnceAndTheProgramGoesOn) {
    w().handle([] { throw std::runtime_error("falhou"); });
    expectOnlyMessage(MessageKind::Error, "falhou");

    // Through a nested handler the exception reaches the outer one only.
    w().handle([this] { w().handle([] { throw math::ConversionError("interno"); }); });
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "interno");

    bool ran = false;
    w().handle([&ran] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(MainWindow, NumbersUseThePointWhateverTheLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"pt_BR.UTF-8", "de_DE.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            break;
        }
    }
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    w().controls().editOrient->setText(QStringLiteral("1.5"));
    EXPECT_EQ(w().controls().editOrient->value(), 1.5);
    EXPECT_EQ(math::parseNumber("1.5").value_or(0), 1.5);
    EXPECT_FALSE(math::parseNumber("1,5").has_value());
    w().controls().editOrient->setValue(2.5);
    EXPECT_EQ(w().controls().editOrient->text(), "2.50");
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Splash, ClosesByItselfAfterHalfASecond) {
    TSplashForm splash;
    bool closedByTest = false;
    QTimer::singleShot(5000, &splash, [&] {
        closedByTest = true;
        splash.reject();
    });
    QElapsedTimer clock;
    clock.start();
    splash.exec();
    EXPECT_FALSE(closedByTest);
    EXPECT_GE(clock.elapsed(), 450);
}
