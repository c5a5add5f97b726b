// The splash window shown at start-up: a picture with the version, closing
// itself after half a second.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>

class TSplashForm : public QDialog {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;

    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
};
