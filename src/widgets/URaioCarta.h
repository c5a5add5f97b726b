// The print-radius dialog: asks the radius of the printed chart in
// centimetres. Created once and reused, so the box keeps the last value.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

class TdlgRaioCarta : public QDialog {
    Q_OBJECT
public:
    explicit TdlgRaioCarta(QWidget* parent = nullptr);

    QGroupBox* grupo = nullptr;
    QLabel* lbRaio = nullptr;
    QLineEdit* editRaio = nullptr;
    QLabel* lbCm = nullptr;
    QPushButton* OKBtn = nullptr;

    // The largest radius (cm) whose chart fits the printer's page; 0 when
    // unknown, which accepts any positive radius.
    void setLargestRadiusCm(double radiusCm) { largestRadiusCm_ = radiusCm; }
    // True when the text is a radius the print accepts: a positive number
    // whose chart fits the page.
    bool radiusAccepted(const QString& text) const;

    void FormShow();
    void editRaioExit();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double largestRadiusCm_ = 0.0;
};
