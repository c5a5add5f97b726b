// The About dialog: what ZENITA does, two pictures and an OK button.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

class TdlgSobre : public QDialog {
    Q_OBJECT
public:
    explicit TdlgSobre(QWidget* parent = nullptr);

    QPlainTextEdit* texto = nullptr;
    QLabel* figura1 = nullptr;
    QLabel* figura2 = nullptr;
    QPushButton* OKButton = nullptr;
};

// The description shown in the dialog.
QString aboutText();
