// The readout below the chart as a person meets it: the pointer over the
// chart, out of it, the wind view; and the tooltips of both windows.
#include "CityFiles.h"
#include "ZenitaFixture.h"
#include "app/ChartReadoutBar.h"
#include "app/UNovaCidade.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>

#include <array>

class ReadoutWindow : public ZenitaFixture {
protected:
    QString readout() { return w().readoutBar().label()->text(); }
    void pointAt(QPoint p, Qt::MouseButtons buttons = Qt::NoButton) {
        ImageLayer* layer = w().controls().imagem3;
        QMouseEvent move(QEvent::MouseMove, QPointF(p), layer->mapToGlobal(QPointF(p)),
                         Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(layer, &move);
    }
    std::array<unsigned long long, 4> generations() {
        const ZenitaControls& c = w().controls();
        return {c.imagem->canvas().generation(), c.imagem4->canvas().generation(),
                c.imagem2->canvas().generation(), c.imagem3->canvas().generation()};
    }
};

// The pixel (240, 150) of a chart at -27.63: what the scene's readout says of
// it (checked there against numbers computed apart), shown as the pointer
// moves, with no layer touched.
TEST_F(ReadoutWindow, FollowsThePointerWithoutRedrawingAndClearsWhenItLeaves) {
    w().controls().editLatitude->setText("-27.63");
    w().controls().editOrient->setText("30");
    plot();
    EXPECT_TRUE(readout().isEmpty());
    const auto drawn = generations();
    pointAt({240, 150});
    EXPECT_TRUE(readout().startsWith(
        "Altitude 44.7°   Azimute 7.5°\n"
        "Sol: declinação 17.4°, 10 Mai / 3 Ago, 11:38 hora solar\n\n"
        "Transferidor (interna): alfa 43.1°, beta 67.5° esquerda, gama 21.1° esquerda"))
        << readout().toStdString();
    pointAt({150, 300});
    EXPECT_TRUE(readout().endsWith("atrás da fachada")) << readout().toStdString();
    EXPECT_EQ(generations(), drawn);

    pointAt({5, 5});  // outside the horizon disc
    EXPECT_TRUE(readout().isEmpty());
    pointAt({240, 150});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w().controls().imagem3, &leave);
    EXPECT_TRUE(readout().isEmpty());

    pointAt({240, 150});
    w().RosadosVentos1Click();
    EXPECT_TRUE(readout().isEmpty());
    pointAt({240, 150});
    EXPECT_TRUE(readout().isEmpty());
    w().CartaZenita1Click();
    pointAt({240, 150});
    EXPECT_FALSE(readout().isEmpty());
    // A new chart is read anew; a reset leaves none to read.
    w().controls().editLatitude->setText("40");
    plot();
    pointAt({240, 150});
    EXPECT_TRUE(readout().section(u'\n', 1, 1).startsWith("Sol: não passa"))
        << readout().toStdString();
    w().novoClick();
    pointAt({240, 150});
    EXPECT_TRUE(readout().isEmpty());
}

// ---- Tooltips ----

TEST_F(ReadoutWindow, ADisabledControlSaysWhy) {
    const ZenitaControls& c = w().controls();
    database.writeCityFile("x.csv", fileBytes(hourlyLines(8760, "12", "250", "900")));
    loadCities({"Sem_Dados,-10,s/a,s/a,40", "Com_Dados,-10,x.csv,s/a,40"});
    EXPECT_TRUE(c.ckPontos->toolTip().endsWith("\nEscolha uma cidade com arquivo horário."));
    EXPECT_TRUE(
        c.editAlfa1->toolTip().endsWith("\nMarque \"Ângulo Alfa 1\" para digitar o ângulo."));
    c.Alfa1Check->setChecked(true);
    EXPECT_EQ(c.editAlfa1->toolTip(), "Ângulo alfa, de 0 a 90 graus. Enter atualiza a carta.");
    choose(1);
    EXPECT_TRUE(c.ckPontos->toolTip().endsWith("\nEsta cidade não tem arquivo horário."));
    EXPECT_TRUE(c.btnPlotarVentos->toolTip().endsWith("\nEsta cidade não tem arquivo de ventos."));
    choose(2);
    EXPECT_FALSE(c.ckPontos->toolTip().contains(u'\n'));
    EXPECT_TRUE(c.btnPlotarVentos->toolTip().endsWith("\nEsta cidade não tem arquivo de ventos."));
}

// Every control a person can reach on the input panel and in the import
// window tells what it does.
TEST_F(ReadoutWindow, EveryControlOfBothWindowsHasATooltip) {
    TFormNovaCidade import(services);
    for (QWidget* root : std::initializer_list<QWidget*>{w().controls().Panel1, &import}) {
        for (QWidget* control : root->findChildren<QWidget*>()) {
            const bool reachable = qobject_cast<QAbstractButton*>(control) ||
                                   qobject_cast<QComboBox*>(control) ||
                                   (qobject_cast<QLineEdit*>(control) &&
                                    !qobject_cast<QComboBox*>(control->parentWidget()));
            // The design's hidden buttons are never shown; the tab bar's
            // arrows are Qt's.
            if (!reachable || control->isHidden() ||
                qobject_cast<QTabBar*>(control->parentWidget())) {
                continue;
            }
            EXPECT_FALSE(control->toolTip().isEmpty())
                << control->metaObject()->className() << " "
                << (qobject_cast<QAbstractButton*>(control)
                        ? qobject_cast<QAbstractButton*>(control)->text().toStdString()
                        : control->objectName().toStdString());
        }
    }
}
