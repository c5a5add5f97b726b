// The readout below the chart: a panel under the window's client area that
// says what lies under the pointer on the chart (see scene/ChartReadout.h).
//
// It watches the mask layer `imagem3`, the top layer that takes the mouse,
// without taking anything from it: the freehand drawing gets every press and
// move as before. It never draws on a layer; a pointer move only sets the
// panel's text. The panel is empty outside the horizon disc, when the pointer
// leaves the chart, from the moment the wind view shows, and while no chart
// is drawn.
#pragma once

#include "canvas/Canvas.h"
#include "scene/ChartReadout.h"

#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QStatusBar>

class TFormZenita;

class ChartReadoutBar : public QObject {
    Q_OBJECT
public:
    // Puts the panel in the window's status bar.
    explicit ChartReadoutBar(TFormZenita& window);

    QLabel* label() const { return label_; }
    // Shows what lies under a pixel of the chart layers.
    void pointerAt(QPoint pixel);
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFormZenita& window_;
    QObject* layer_ = nullptr;  // imagem3
    QStatusBar* bar_ = nullptr;
    QLabel* label_ = nullptr;
    // The readout of the chart drawn when the base layer had this generation;
    // a chart command redraws that layer, so a new one shows as a new number.
    scene::ChartReadout readout_;
    unsigned long long readoutGeneration_ = ~0ULL;
};
