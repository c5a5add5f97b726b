#include "widgets/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Confirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return QStringLiteral("Aviso");
        case MessageKind::Error:
            return QStringLiteral("Erro");
        case MessageKind::Information:
            return QStringLiteral("Informação");
        case MessageKind::Confirmation:
            return QStringLiteral("Confirmação");
    }
    return QString();
}

}  // namespace

void MessageBoxDialogs::show(MessageKind kind, const QString& text, const QString& details) {
    QMessageBox box(iconOf(kind), titleOf(kind), text, QMessageBox::NoButton, parent_);
    box.setInformativeText(details);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.exec();
}

bool MessageBoxDialogs::askYesNo(const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::Question, titleOf(MessageKind::Confirmation), text,
                    QMessageBox::NoButton, parent_);
    box.setInformativeText(details);
    QPushButton* yes = box.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
