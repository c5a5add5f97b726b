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

TEST_F(MainWindow, HasItsCaptionClientAreaAndMenu) {
    EXPECT_EQ(w().windowTitle(), "ZENITA 6.2");
    EXPECT_EQ(w().centralWidget()->size(), QSize(703, 478));
    QStringList captions;
    for (QAction* a : w().Arquivo->actions()) {
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(captions,
              QStringList({"&Carta Zenita", "&Rosa dos Ventos", "-", "I&ncluir Nova Cidade", "-",
                           "Co&mparar", "-", "&Imprimir", "-", "&Fechar"}));
    EXPECT_EQ(QStringList({w().Arquivo->title(), w().Editar1->title(), w().Copiar1->text(),
                           w().Ajuda1->title(), w().Sobre1->text()}),
              QStringList({"&Arquivo", "&Editar", "&Copiar", "A&juda", "&Sobre"}));
    EXPECT_TRUE(w().CartaZenita1->isChecked());
    EXPECT_FALSE(w().RosadosVentos1->isChecked());
    EXPECT_FALSE(w().Imprimir1->isEnabled());
    EXPECT_FALSE(w().Copiar1->isEnabled());
    EXPECT_TRUE(w().Comparar1->isEnabled());
}

// A width or height of 0 is not checked.
TEST_F(MainWindow, ControlsStandAtTheirPlaces) {
    // clang-format off
    const std::pair<QWidget*, QRect> places[] = {
        {w().imagem, {8, 8, 460, 460}},          {w().imagem4, {8, 8, 460, 460}},
        {w().imagem2, {8, 8, 460, 460}},         {w().imagem3, {8, 8, 460, 460}},
        {w().IAlfaInterno, {388, 8, 80, 75}},    {w().IBetaExterno, {388, 418, 80, 50}},
        {w().IGamaInterno, {8, 410, 81, 58}},    {w().pnlVentos, {0, 3, 474, 472}},
        {w().imVentos, {8, 5, 460, 460}},        {w().Panel1, {480, 8, 217, 465}},
        {w().ckTrajetoria, {8, 8, 0, 0}},        {w().cmbCidades, {56, 28, 152, 0}},
        {w().editLatitude, {56, 53, 45, 0}},     {w().editOrient, {165, 88, 45, 0}},
        {w().rgAngulos, {118, 115, 91, 0}},      {w().PageControl1, {8, 144, 203, 161}},
        {w().ckPontos, {8, 314, 73, 17}},        {w().cmbTipoDados, {27, 312, 182, 0}},
        {w().btnLegenda, {8, 336, 65, 21}},      {w().rgPeriodo, {80, 336, 129, 0}},
        {w().plotar, {15, 368, 186, 23}},        {w().btnPlotarVentos, {15, 408, 186, 23}},
        {w().rgVentos, {16, 436, 185, 0}},       {w().pnlLegenda, {8, 112, 203, 195}},
        {w().pnlDadosVentos, {5, 52, 207, 345}}, {w().btnFechaLegenda, {55, 173, 90, 17}},
        {w().cx[2], {16, 76, 33, 17}}};
    // clang-format on
    for (const auto& [widget, want] : places) {
        const QRect g = widget->geometry();
        EXPECT_TRUE(g.topLeft() == want.topLeft() && (!want.width() || g.width() == want.width()) &&
                    (!want.height() || g.height() == want.height()))
            << widget->objectName().toStdString() << " at " << g.x() << "," << g.y() << " "
            << g.width() << "x" << g.height();
    }
}

TEST_F(MainWindow, ControlsHaveTheirCaptionsItemsAndInitialState) {
    QStringList pages;
    for (int i = 0; i < w().PageControl1->count(); ++i) {
        pages << w().PageControl1->tabText(i);
    }
    // clang-format off
    const std::pair<QString, const char*> texts[] = {
        {w().ckTrajetoria->text(), "Trajetória Zenita"}, {w().editLatitude->text(), ""},
        {w().TransferidorCheck->text(), "Transferidor       Orientação :"},
        {w().cmbCidades->itemText(0), "Nenhum"},         {w().rgAngulos->itemText(1), "Externa"},
        {w().cmbTipoDados->itemText(1), "Radiação Global Horizontal"},
        {w().rgPeriodo->itemText(1), "após 21 de Junho"},
        {w().rgVentos->itemText(1), "Frequência de ocorrência"},
        {w().plotar->text(), "Atualizar &Carta Zenita"}, {w().novo->text(), "&Novo"},
        {w().btnPlotarVentos->text(), "&Rosa dos Ventos"},
        {w().btnVoltaParaCarta->text(), "Retornar para &Carta Zenita"},
        {pages.join(","), "Alfa,Beta,Gama,Máscara"},
        {w().GamaD1Check->text(), "Ângulo Gama Direita 1:"},
        {w().Beta2bCheck->text(), "Ângulo Beta Esquerda 2 :"},
        {w().desMascCheck->toolTip(), "Clicar início e fim da reta."},
        {w().radioPreParcial->text(), "Parcial (amarelo)"},
        {w().btnFechaLegenda->text(), "Fechar Legenda"},
        {w().gridVentos->cell(3, 0), "O"},               {w().gridVentos->cell(0, 3), "L"},
        {w().gridVentos2->cell(0, 2), "Manhã"},
        {w().lbVentosAusentes->text(), "Ventos Ausentes (%):"}};
    // clang-format on
    for (const auto& [text, want] : texts) {
        EXPECT_EQ(text, QString::fromUtf8(want));
    }
    EXPECT_EQ(w().cmbCidades->count(), 4);
    EXPECT_TRUE(w().ckTrajetoria->isChecked());
    EXPECT_TRUE(w().TransferidorCheck->isChecked());
    EXPECT_EQ(w().editOrient->maxValue(), 360.0);
    EXPECT_EQ(w().editAlfa1->maxValue(), 90.0);
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{w().pontos, w().novo, w().imagemCompleta, w().pnlLegenda,
                                         w().pnlDadosVentos, w().pnlVentos}) {
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    }
    EXPECT_FALSE(w().pontos->isEnabled());
    for (const auto& p : w().anglePairs()) {
        EXPECT_TRUE(p.firstCheck->isEnabled());
        EXPECT_FALSE(p.firstCheck->isChecked());
        EXPECT_FALSE(p.secondCheck->isEnabled());
        for (TFnpNumericEdit* box : {p.firstEdit, p.secondEdit}) {
            EXPECT_FALSE(box->isEnabled());
            EXPECT_EQ(box->text(), "0.00");
        }
    }
    EXPECT_FALSE(w().preMascCheck->isEnabled());
    EXPECT_TRUE(w().radioPreTotal->isChecked());
    EXPECT_EQ(w().gridVentos2->columnWidth(0), 60);
    EXPECT_EQ(w().gridVentos2->rowHeight(1), 17);
    EXPECT_EQ(w().chartGeometry.chartRadius, 192.0);
    EXPECT_EQ(w().windCentreX, 230.0);
    EXPECT_FALSE(w().drawMaskMode);
    EXPECT_TRUE(w().segmentStart);
}

// On the panel and on every page, in the 8-point font of the window: each
// caption is whole, and clear of the boxes beside it.
TEST_F(MainWindow, EveryCaptionOfTheInputPanelFitsBesideItsBox) {
    std::vector<QWidget*> parents{w().Panel1};
    for (int i = 0; i < w().PageControl1->count(); ++i) {
        parents.push_back(w().PageControl1->widget(i));
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

// "Atualizar &Carta Zenita" and "Retornar para &Carta Zenita" share Alt+C;
// each view has one of them in sight.
TEST_F(MainWindow, AltCReturnsToTheChartInTheWindViewAndRedrawsInTheChartView) {
    showWindow();
    w().editLatitude->setText("-27.6");
    w().RosadosVentos1->trigger();
    // A mnemonic clicks its button as a person would: the click lands later.
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return w().CartaZenita1->isChecked(); }, 2000));
    EXPECT_TRUE(w().pnlDadosVentos->isHidden());
    EXPECT_FALSE(w().chartDrawn);

    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return w().chartDrawn; }, 2000));
    EXPECT_TRUE(w().CartaZenita1->isChecked());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, ResetBlanksBothViewsWhateverViewShows) {
    for (bool windView : {false, true}) {
        if (windView) {
            w().RosadosVentos1Click();
        }
        const auto layers = {w().imagem, w().imagem2, w().imagem3, w().imagem4, w().imVentos};
        for (ImageLayer* layer : layers) {
            paintSomething(layer->canvas());
        }
        w().gridVentos->setCell(2, 3, "1.00");
        w().gridVentos2->setCell(4, 4, "9.00");
        w().tituloVentos->setText("Velocidades predominantes :");
        w().chartDrawn = true;
        w().windRoseDrawn = true;
        w().Imprimir1->setEnabled(true);
        w().plotar->setEnabled(false);
        w().novo->setEnabled(false);

        w().novoClick();  // a programmatic click runs even while disabled

        for (ImageLayer* layer : layers) {
            EXPECT_EQ(countPainted(pixels(layer)), 0) << layer->objectName().toStdString();
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
