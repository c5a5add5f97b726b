#include "ZenitaFixture.h"
#include "app/USplash.h"
#include "math/numbers.h"
#include "support/ImageAsserts.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QMenuBar>
#include <QTimer>

#include <clocale>
#include <stdexcept>

namespace {

struct ControlPlace {
    const char* what;
    QWidget* (*get)(TFormZenita&);
    QRect rect;  // width or height 0: not checked
};

bool sameGeometry(const QWidget* widget, const QRect& expected) {
    const QRect g = widget->geometry();
    return g.topLeft() == expected.topLeft() &&
           (expected.width() == 0 || g.width() == expected.width()) &&
           (expected.height() == 0 || g.height() == expected.height());
}

// Paints a red square and leaves the brush white, as every drawing does.
void paintSomething(Canvas& c) {
    c.setBrushColor(Qt::red);
    c.rectangle(10, 10, 100, 100);
    c.setBrushColor(Qt::white);
}

}  // namespace

using MainWindow = ZenitaFixture;

TEST_F(MainWindow, HasItsCaptionClientAreaAndMenu) {
    EXPECT_EQ(w().windowTitle(), "ZENITA 6.2");
    EXPECT_EQ(w().centralWidget()->size(), QSize(703, 478));
    const QList<QAction*> items = w().Arquivo->actions();
    QStringList captions;
    for (QAction* a : items) {
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(captions, QStringList({"&Carta Zenita", "&Rosa dos Ventos", "-",
                                     "I&ncluir Nova Cidade", "-", "Co&mparar", "-", "&Imprimir",
                                     "-", "&Fechar"}));
    EXPECT_EQ(w().Arquivo->title(), "&Arquivo");
    EXPECT_EQ(w().Editar1->title(), "&Editar");
    EXPECT_EQ(w().Copiar1->text(), "&Copiar");
    EXPECT_EQ(w().Ajuda1->title(), "A&juda");
    EXPECT_EQ(w().Sobre1->text(), "&Sobre");
    EXPECT_TRUE(w().CartaZenita1->isChecked());
    EXPECT_FALSE(w().RosadosVentos1->isChecked());
    EXPECT_FALSE(w().Imprimir1->isEnabled());
    EXPECT_FALSE(w().Copiar1->isEnabled());
    EXPECT_TRUE(w().Comparar1->isEnabled());
}

TEST_F(MainWindow, ControlsStandAtTheirPlaces) {
    const std::vector<ControlPlace> places{
        {"imagem", [](TFormZenita& f) -> QWidget* { return f.imagem; }, {8, 8, 460, 460}},
        {"imagem4", [](TFormZenita& f) -> QWidget* { return f.imagem4; }, {8, 8, 460, 460}},
        {"imagem2", [](TFormZenita& f) -> QWidget* { return f.imagem2; }, {8, 8, 460, 460}},
        {"imagem3", [](TFormZenita& f) -> QWidget* { return f.imagem3; }, {8, 8, 460, 460}},
        {"IAlfaInterno", [](TFormZenita& f) -> QWidget* { return f.IAlfaInterno; }, {388, 8, 80, 75}},
        {"IBetaExterno", [](TFormZenita& f) -> QWidget* { return f.IBetaExterno; }, {388, 418, 80, 50}},
        {"IGamaInterno", [](TFormZenita& f) -> QWidget* { return f.IGamaInterno; }, {8, 410, 81, 58}},
        {"pnlVentos", [](TFormZenita& f) -> QWidget* { return f.pnlVentos; }, {0, 3, 474, 472}},
        {"imVentos", [](TFormZenita& f) -> QWidget* { return f.imVentos; }, {8, 5, 460, 460}},
        {"Panel1", [](TFormZenita& f) -> QWidget* { return f.Panel1; }, {480, 8, 217, 465}},
        {"ckTrajetoria", [](TFormZenita& f) -> QWidget* { return f.ckTrajetoria; }, {8, 8, 0, 0}},
        {"cmbCidades", [](TFormZenita& f) -> QWidget* { return f.cmbCidades; }, {56, 28, 152, 0}},
        {"editLatitude", [](TFormZenita& f) -> QWidget* { return f.editLatitude; }, {56, 53, 45, 0}},
        {"editOrient", [](TFormZenita& f) -> QWidget* { return f.editOrient; }, {165, 88, 45, 0}},
        {"rgAngulos", [](TFormZenita& f) -> QWidget* { return f.rgAngulos; }, {118, 115, 91, 0}},
        {"PageControl1", [](TFormZenita& f) -> QWidget* { return f.PageControl1; }, {8, 144, 203, 161}},
        {"ckPontos", [](TFormZenita& f) -> QWidget* { return f.ckPontos; }, {8, 314, 73, 17}},
        {"cmbTipoDados", [](TFormZenita& f) -> QWidget* { return f.cmbTipoDados; }, {27, 312, 182, 0}},
        {"btnLegenda", [](TFormZenita& f) -> QWidget* { return f.btnLegenda; }, {8, 336, 65, 21}},
        {"rgPeriodo", [](TFormZenita& f) -> QWidget* { return f.rgPeriodo; }, {80, 336, 129, 0}},
        {"plotar", [](TFormZenita& f) -> QWidget* { return f.plotar; }, {15, 368, 186, 23}},
        {"btnPlotarVentos", [](TFormZenita& f) -> QWidget* { return f.btnPlotarVentos; }, {15, 408, 186, 23}},
        {"rgVentos", [](TFormZenita& f) -> QWidget* { return f.rgVentos; }, {16, 436, 185, 0}},
        {"pnlLegenda", [](TFormZenita& f) -> QWidget* { return f.pnlLegenda; }, {8, 112, 203, 195}},
        {"pnlDadosVentos", [](TFormZenita& f) -> QWidget* { return f.pnlDadosVentos; }, {5, 52, 207, 345}},
        {"btnFechaLegenda", [](TFormZenita& f) -> QWidget* { return f.btnFechaLegenda; }, {55, 173, 90, 17}},
        {"cx3", [](TFormZenita& f) -> QWidget* { return f.cx[2]; }, {16, 76, 33, 17}},
    };
    for (const auto& p : places) {
        EXPECT_TRUE(sameGeometry(p.get(w()), p.rect))
            << p.what << " at " << p.get(w())->geometry().x() << "," << p.get(w())->geometry().y()
            << " " << p.get(w())->width() << "x" << p.get(w())->height();
    }
}

TEST_F(MainWindow, ControlsHaveTheirCaptionsItemsAndInitialState) {
    EXPECT_EQ(w().ckTrajetoria->text(), "Trajetória Zenita");
    EXPECT_TRUE(w().ckTrajetoria->isChecked());
    EXPECT_EQ(w().TransferidorCheck->text(), "Transferidor       Orientação :");
    EXPECT_TRUE(w().TransferidorCheck->isChecked());
    EXPECT_EQ(w().editOrient->maxValue(), 360.0);
    EXPECT_EQ(w().editAlfa1->maxValue(), 90.0);
    EXPECT_EQ(w().editLatitude->text(), "");
    EXPECT_EQ(w().cmbCidades->count(), 4);
    EXPECT_EQ(w().cmbCidades->itemText(0), "Nenhum");
    EXPECT_EQ(w().rgAngulos->itemText(1), "Externa");
    EXPECT_EQ(w().cmbTipoDados->itemText(1), "Radiação Global Horizontal");
    EXPECT_EQ(w().rgPeriodo->itemText(1), "após 21 de Junho");
    EXPECT_EQ(w().rgVentos->itemText(1), "Frequência de ocorrência");
    EXPECT_EQ(w().plotar->text(), "Atualizar &Carta Zenita");
    EXPECT_EQ(w().btnPlotarVentos->text(), "&Rosa dos Ventos");
    EXPECT_EQ(w().btnVoltaParaCarta->text(), "Retornar para &Carta Zenita");
    EXPECT_TRUE(w().pontos->isHidden());
    EXPECT_FALSE(w().pontos->isEnabled());
    EXPECT_TRUE(w().novo->isHidden());
    EXPECT_EQ(w().novo->text(), "&Novo");
    EXPECT_TRUE(w().imagemCompleta->isHidden());
    EXPECT_TRUE(w().pnlLegenda->isHidden());
    EXPECT_TRUE(w().pnlDadosVentos->isHidden());
    EXPECT_TRUE(w().pnlVentos->isHidden());

    QStringList pages;
    for (int i = 0; i < w().PageControl1->count(); ++i) {
        pages << w().PageControl1->tabText(i);
    }
    EXPECT_EQ(pages, QStringList({"Alfa", "Beta", "Gama", "Máscara"}));
    EXPECT_EQ(w().GamaD1Check->text(), "Ângulo Gama Direita 1:");
    EXPECT_EQ(w().Beta2bCheck->text(), "Ângulo Beta Esquerda 2 :");
    for (QCheckBox* first : {w().Alfa1Check, w().Beta1aCheck, w().Beta2aCheck, w().GamaD1Check,
                             w().GamaE1Check}) {
        EXPECT_TRUE(first->isEnabled());
        EXPECT_FALSE(first->isChecked());
    }
    for (QCheckBox* second : {w().Alfa2Check, w().Beta1bCheck, w().Beta2bCheck, w().GamaD2Check,
                              w().GamaE2Check}) {
        EXPECT_FALSE(second->isEnabled());
    }
    for (TFnpNumericEdit* box : {w().editAlfa1, w().editAlfa2, w().editBeta1a, w().editGamaE2}) {
        EXPECT_FALSE(box->isEnabled());
        EXPECT_EQ(box->text(), "0.00");
    }
    EXPECT_EQ(w().desMascCheck->toolTip(), "Clicar início e fim da reta.");
    EXPECT_FALSE(w().preMascCheck->isEnabled());
    EXPECT_TRUE(w().radioPreTotal->isChecked());
    EXPECT_EQ(w().radioPreParcial->text(), "Parcial (amarelo)");
    EXPECT_EQ(w().btnFechaLegenda->text(), "Fechar Legenda");
    EXPECT_EQ(w().gridVentos->cell(3, 0), "O");
    EXPECT_EQ(w().gridVentos->cell(0, 3), "L");
    EXPECT_EQ(w().gridVentos2->cell(0, 2), "Manhã");
    EXPECT_EQ(w().gridVentos2->columnWidth(0), 60);
    EXPECT_EQ(w().gridVentos2->rowHeight(1), 17);
    EXPECT_EQ(w().lbVentosAusentes->text(), "Ventos Ausentes (%):");
}

TEST_F(MainWindow, SharesTheChartAndWindGeometry) {
    EXPECT_EQ(w().chartGeometry.chartRadius, 192.0);
    EXPECT_EQ(w().chartGeometry.chartCentreX, 230.0);
    EXPECT_EQ(w().chartGeometry.chartCentreY, 230.0);
    EXPECT_NEAR(w().chartGeometry.altitudeRadii[3], 192.0 * 0.5773502692, 1e-12);
    EXPECT_EQ(w().chartGeometry.altitudeRadii[9], 0.0);
    EXPECT_EQ(w().windCentreX, 230.0);
    EXPECT_FALSE(w().drawMaskMode);
    EXPECT_TRUE(w().segmentStart);
}

TEST_F(MainWindow, ViewSwitchingEnablesPrintingByWhatTheViewHasDrawn) {
    w().chartDrawn = true;
    w().windRoseDrawn = false;
    w().RosadosVentos1->trigger();
    EXPECT_FALSE(w().pnlVentos->isHidden());
    EXPECT_FALSE(w().pnlDadosVentos->isHidden());
    EXPECT_TRUE(w().ckTrajetoria->isHidden());
    EXPECT_TRUE(w().RosadosVentos1->isChecked());
    EXPECT_FALSE(w().CartaZenita1->isChecked());
    EXPECT_FALSE(w().Imprimir1->isEnabled());
    EXPECT_FALSE(w().Copiar1->isEnabled());

    w().btnVoltaParaCarta->click();
    EXPECT_TRUE(w().pnlVentos->isHidden());
    EXPECT_FALSE(w().ckTrajetoria->isHidden());
    EXPECT_TRUE(w().CartaZenita1->isChecked());
    EXPECT_TRUE(w().Imprimir1->isEnabled());
    EXPECT_TRUE(w().Copiar1->isEnabled());

    w().windRoseDrawn = true;
    w().chartDrawn = false;
    w().RosadosVentos1->trigger();
    EXPECT_TRUE(w().Imprimir1->isEnabled());
    w().CartaZenita1->trigger();
    EXPECT_FALSE(w().Imprimir1->isEnabled());
    EXPECT_EQ(w().windowTitle(), "ZENITA 6.2");
}

TEST_F(MainWindow, ResetBlanksBothViewsWhateverViewShows) {
    for (bool windView : {false, true}) {
        if (windView) {
            w().RosadosVentos1Click();
        }
        for (ImageLayer* layer : {w().imagem, w().imagem2, w().imagem3, w().imagem4, w().imVentos}) {
            paintSomething(layer->canvas());
        }
        w().gridVentos->setCell(2, 3, QStringLiteral("1.00"));
        w().gridVentos2->setCell(4, 4, QStringLiteral("9.00"));
        w().tituloVentos->setText(QStringLiteral("Velocidades predominantes :"));
        w().chartDrawn = true;
        w().windRoseDrawn = true;
        w().Imprimir1->setEnabled(true);
        w().plotar->setEnabled(false);
        w().novo->setEnabled(false);

        w().novoClick();  // a programmatic click runs even while disabled

        for (ImageLayer* layer : {w().imagem, w().imagem2, w().imagem3, w().imagem4, w().imVentos}) {
            EXPECT_EQ(countPainted(layer->canvas().image()), 0) << layer->objectName().toStdString();
        }
        for (int c = 1; c <= 4; ++c) {
            for (int r = 1; r <= 8; ++r) {
                EXPECT_EQ(w().gridVentos->cell(c, r), "");
            }
            for (int r = 1; r <= 4; ++r) {
                EXPECT_EQ(w().gridVentos2->cell(c, r), "");
            }
        }
        EXPECT_EQ(w().gridVentos->cell(1, 0), "P");
        EXPECT_EQ(w().gridVentos2->cell(0, 4), "Noite");
        EXPECT_EQ(w().tituloVentos->text(), " ");
        EXPECT_FALSE(w().chartDrawn);
        EXPECT_FALSE(w().windRoseDrawn);
        EXPECT_FALSE(w().Imprimir1->isEnabled());
        EXPECT_FALSE(w().Copiar1->isEnabled());
        EXPECT_TRUE(w().plotar->isEnabled());
        EXPECT_EQ(w().RosadosVentos1->isChecked(), windView);
    }
}

TEST_F(MainWindow, AnExceptionLeavingAHandlerIsShownOnceAndTheProgramGoesOn) {
    w().handle([] { throw std::runtime_error("falhou"); });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text, "falhou");

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
    w().editOrient->setText(QStringLiteral("1.5"));
    EXPECT_EQ(w().editOrient->value(), 1.5);
    EXPECT_EQ(math::parseNumber("1.5").value_or(0), 1.5);
    EXPECT_FALSE(math::parseNumber("1,5").has_value());
    w().editOrient->setValue(2.5);
    EXPECT_EQ(w().editOrient->text(), "2.50");
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Splash, ClosesByItselfAfterHalfASecond) {
    TSplashForm splash;
    EXPECT_EQ(splash.size(), QSize(449, 399));
    EXPECT_EQ(splash.Label1->text(), "6.2");
    EXPECT_EQ(splash.Label1->pos(), QPoint(296, 152));
    EXPECT_TRUE(splash.Label1->font().bold());
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
