// The compare dialog: the composed chart and the wind rose side by side,
// each squeezed into half of a 792 x 400 picture, shown by an opaque image
// layer. A click closes it.
#pragma once

#include "widgets/ImageLayer.h"

#include <QDialog>

class TdlgDupla : public QDialog {
    Q_OBJECT
public:
    explicit TdlgDupla(QWidget* parent = nullptr);

    ImageLayer* dupla = nullptr;

    void duplaClick();
};
