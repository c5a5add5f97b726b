#include "app/USobre.h"

#include "app/Assets.h"

#include <QGuiApplication>
#include <QScreen>

QString aboutText() {
    return QStringLiteral(
        "ZENITA 6.2\n\n"
        "Carta solar estereográfica de qualquer latitude entre -65° e 65°, com as "
        "trajetórias do sol nas datas características do ano e as linhas das horas.\n\n"
        "Projeto de proteções solares: o transferidor de ângulos pode ser girado para "
        "qualquer orientação de fachada, e as máscaras de sombra de brises horizontais "
        "e verticais são desenhadas a partir dos ângulos alfa, beta e gama, ou à mão.\n\n"
        "Para as cidades com dados horários, os intervalos anuais de temperatura e de "
        "radiação são projetados ao longo das trajetórias do sol.\n\n"
        "Rosas dos ventos de frequência de ocorrência e de velocidades predominantes "
        "para as quatro estações do ano, nas oito direções N, NE, L, SE, S, SO, O, NO.\n\n"
        "Impressão das cartas, das máscaras e das projeções de temperatura.");
}

TdlgSobre::TdlgSobre(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgSobre"));
    setWindowTitle(QStringLiteral("Sobre"));
    setFixedSize(420, 300);
    figura1 = new QLabel(this);
    figura1->setGeometry(12, 12, 96, 96);
    figura1->setPixmap(QPixmap::fromImage(loadAsset(QStringLiteral("sobre1"))));
    figura2 = new QLabel(this);
    figura2->setGeometry(12, 120, 96, 96);
    figura2->setPixmap(QPixmap::fromImage(loadAsset(QStringLiteral("sobre2"))));
    texto = new QPlainTextEdit(this);
    texto->setGeometry(120, 12, 288, 236);
    texto->setReadOnly(true);
    texto->setPlainText(aboutText());
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(172, 260, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}
