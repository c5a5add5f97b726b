// The window "Desempenho da máscara" from the main window: the menu item that
// shows it and the update after every handler, from the chart command's
// snapshot and the mask layer as it stands.
#include "app/UDesempenho.h"
#include "app/UZenita.h"

#include <QGuiApplication>
#include <QScreen>

// Beside the main window, where it leaves the chart in view, when the screen
// has room there; else where the window manager puts it.
void TFormZenita::placeBesideChart() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect free = screen->availableGeometry();
    const QRect main = frameGeometry();
    const QSize size = formDesempenho->frameGeometry().size();
    for (const QPoint at :
         {QPoint(main.right() + 1, main.top()), QPoint(main.left() - size.width(), main.top())}) {
        if (free.contains(QRect(at, size))) {
            formDesempenho->move(at);
            return;
        }
    }
}

void TFormZenita::DesempenhoMascara1Click() {
    if (!formDesempenho->isVisible()) {
        placeBesideChart();
    }
    formDesempenho->show();
    formDesempenho->raise();
    formDesempenho->activateWindow();
    updateMaskPerformance();
}

void TFormZenita::updateMaskPerformance() {
    if (!formDesempenho || !formDesempenho->isVisible()) {
        return;
    }
    const MaskPerformance::View view = maskPerformance_.evaluate(
        services_.baseDirectory, imagem3->canvas().image(), chartGeometry_);
    if (view.table) {
        formDesempenho->showNumbers(*view.table, view.text);
    } else {
        formDesempenho->showReason(view.text);
    }
}
