#include "app/ChartReadoutBar.h"

#include "app/UZenita.h"
#include "canvas/Truncate.h"

#include <QAction>
#include <QEvent>
#include <QMouseEvent>
#include <QStringList>

namespace {

constexpr int kLines = 4;
// Room the status bar's layout keeps around the panel.
constexpr int kBarMargins = 6;

}  // namespace

ChartReadoutBar::ChartReadoutBar(TFormZenita& window) : QObject(&window), window_(window) {
    bar_ = new QStatusBar(&window);
    bar_->setObjectName(QStringLiteral("barraLeitura"));
    bar_->setSizeGripEnabled(false);
    label_ = new QLabel(bar_);
    label_->setObjectName(QStringLiteral("lbLeitura"));
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setContentsMargins(4, 2, 4, 2);
    // Always as tall as its four lines, as the label lays them out, so the
    // window never changes size as the pointer moves.
    label_->setText(QStringList(kLines, QStringLiteral("Ag")).join(u'\n'));
    const int labelHeight = label_->sizeHint().height();
    label_->clear();
    label_->setFixedHeight(labelHeight);
    bar_->setFixedHeight(labelHeight + kBarMargins);
    // A permanent widget: a status tip never hides it.
    bar_->addPermanentWidget(label_, 1);
    window.setStatusBar(bar_);

    const ZenitaControls& c = window.controls();
    layer_ = c.imagem3;
    layer_->installEventFilter(this);
    // The chart view's menu item is checked exactly while the chart shows.
    connect(c.CartaZenita1, &QAction::toggled, this, [this](bool chartView) {
        if (!chartView) {
            clear();
        }
    });
}

bool ChartReadoutBar::eventFilter(QObject* watched, QEvent* event) {
    // The layer alone is asked: while the window is destroyed its layers
    // still send events, and the window's own part is gone.
    if (watched == layer_) {
        if (event->type() == QEvent::MouseMove) {
            const QPointF p = static_cast<QMouseEvent*>(event)->position();
            pointerAt({truncPx(p.x()), truncPx(p.y())});
        } else if (event->type() == QEvent::Leave) {
            clear();
        }
    }
    // Seen, never taken: the layer's own handlers run as before.
    return false;
}

void ChartReadoutBar::pointerAt(QPoint pixel) {
    if (!window_.chartDrawn() || !window_.chartViewShown()) {
        clear();
        return;
    }
    const ZenitaControls& c = window_.controls();
    const unsigned long long generation = c.imagem->canvas().generation();
    if (generation != readoutGeneration_) {
        readout_ = scene::ChartReadout(window_.chartScene(), &c.imagem3->canvas());
        readoutGeneration_ = generation;
    }
    label_->setText(readout_.at(pixel).text());
}

void ChartReadoutBar::clear() {
    label_->clear();
}
