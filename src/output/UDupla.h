// The compare dialog: the composed chart and the wind rose side by side,
// each squeezed into half of a 792 x 400 picture. A click closes it.
#pragma once

#include "canvas/Canvas.h"

#include <QDialog>
#include <QWidget>

// The picture of the dialog, reporting clicks.
class DuplaImage : public QWidget {
    Q_OBJECT
public:
    explicit DuplaImage(QWidget* parent = nullptr);
    Canvas& canvas() { return canvas_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Canvas canvas_{792, 400};
};

class TdlgDupla : public QDialog {
    Q_OBJECT
public:
    explicit TdlgDupla(QWidget* parent = nullptr);

    DuplaImage* dupla = nullptr;

    void duplaClick();
};
