#include "widgets/UDupla.h"

#include <QGuiApplication>
#include <QScreen>

TdlgDupla::TdlgDupla(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgDupla"));
    setWindowTitle(QStringLiteral("Carta Zenita/Rosa dos Ventos "));
    setFixedSize(792, 400);
    dupla = new ImageLayer(792, 400, false, this);
    dupla->setObjectName(QStringLiteral("dupla"));
    dupla->move(0, 0);
    connect(dupla, &ImageLayer::clicked, this, &TdlgDupla::duplaClick);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TdlgDupla::duplaClick() {
    accept();
}
