// "Desempenho da máscara": the shading numbers of the chart on screen, in a
// window of its own beside the main one. It is not modal: it stays open while
// the chart is drawn again, masks are typed or drawn by hand, and follows each
// change; with nothing to show it says why. "Copiar" puts the numbers on the
// clipboard as text.
//
// The table has one row per half-year and measure, in the order of the
// command line's CSV, with the hours, the direct radiation on the façade
// (kWh/m², the radiation row only) and the share shaded.
#pragma once

#include "shading/ShadingTable.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <optional>

namespace output {
class Clipboard;
}

class TFormDesempenho : public QDialog {
    Q_OBJECT
public:
    explicit TFormDesempenho(output::Clipboard* clipboard, QWidget* parent = nullptr);

    // The numbers, under a line saying what chart they are of.
    void showNumbers(const shading::ShadingTable& table, const QString& context);
    // No numbers, and why.
    void showReason(const QString& reason);
    // The numbers shown, if any.
    const std::optional<shading::ShadingTable>& table() const { return table_; }

    // "Copiar": the context line and the table, tab-separated.
    void btnCopiarClick();

    QLabel* lbSituacao = nullptr;
    QTableWidget* gridDesempenho = nullptr;
    QPushButton* btnCopiar = nullptr;
    QPushButton* btnFechar = nullptr;

private:
    output::Clipboard* clipboard_;
    std::optional<shading::ShadingTable> table_;
};
