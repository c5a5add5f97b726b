#include "widgets/URaioCarta.h"

#include "math/numbers.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

TdlgRaioCarta::TdlgRaioCarta(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgRaioCarta"));
    setWindowTitle(QStringLiteral("ZENITA 6.1.2"));
    setFixedSize(232, 82);
    grupo = new QGroupBox(this);
    grupo->setGeometry(8, 4, 216, 40);
    lbRaio = new QLabel(QStringLiteral("Raio para Impressão da carta :"), grupo);
    lbRaio->setGeometry(8, 13, 150, 18);
    editRaio = new QLineEdit(QStringLiteral("6"), grupo);
    editRaio->setObjectName(QStringLiteral("editRaio"));
    editRaio->setGeometry(160, 11, 30, 21);
    lbCm = new QLabel(QStringLiteral("cm"), grupo);
    lbCm->setGeometry(194, 13, 18, 18);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(78, 50, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TdlgRaioCarta::OKBtnClick);
    editRaio->installEventFilter(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

bool TdlgRaioCarta::radiusAccepted(const QString& text) const {
    const auto radius = math::parseNumber(text.toStdString());
    if (!radius || *radius <= 0.0) {
        return false;
    }
    return largestRadiusCm_ <= 0.0 || *radius <= largestRadiusCm_;
}

void TdlgRaioCarta::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TdlgRaioCarta::FormShow() {
    editRaio->setFocus();
}

bool TdlgRaioCarta::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editRaio && event->type() == QEvent::FocusOut) {
        editRaioExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TdlgRaioCarta::editRaioExit() {
    if (!radiusAccepted(editRaio->text())) {
        // Back into the box once the focus change has finished.
        QTimer::singleShot(0, editRaio, [this] { editRaio->setFocus(); });
    }
}

void TdlgRaioCarta::OKBtnClick() {
    accept();
}
