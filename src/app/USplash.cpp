#include "app/USplash.h"

#include "app/Assets.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

TSplashForm::TSplashForm(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(449, 399);
    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 449, 399);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap::fromImage(loadAsset(QStringLiteral("splash"))));
    Label1 = new QLabel(QStringLiteral("6.2"), this);
    QFont font = Label1->font();
    font.setPixelSize(32);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label1->adjustSize();
    Label1->move(296, 152);
    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TSplashForm::Timer1Timer);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TSplashForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Timer1->start();
}

void TSplashForm::Timer1Timer() { accept(); }
