#include "output/UDupla.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

DuplaImage::DuplaImage(QWidget* parent) : QWidget(parent) {
    resize(canvas_.width(), canvas_.height());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DuplaImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.image());
}

void DuplaImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit clicked();
}

TdlgDupla::TdlgDupla(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgDupla"));
    setWindowTitle(QStringLiteral("Carta Zenita/Rosa dos Ventos "));
    setFixedSize(792, 400);
    dupla = new DuplaImage(this);
    dupla->setObjectName(QStringLiteral("dupla"));
    dupla->move(0, 0);
    connect(dupla, &DuplaImage::clicked, this, &TdlgDupla::duplaClick);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TdlgDupla::duplaClick() { accept(); }
