#include "app/UDesempenho.h"

#include "canvas/Canvas.h"
#include "output/Clipboard.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

TFormDesempenho::TFormDesempenho(output::Clipboard* clipboard, QWidget* parent)
    : QDialog(parent), clipboard_(clipboard) {
    setObjectName(QStringLiteral("FormDesempenho"));
    setWindowTitle(QStringLiteral("Desempenho da máscara"));
    setModal(false);
    QFont windowFont(Canvas::fontFamily());
    windowFont.setPointSize(8);
    setFont(windowFont);

    lbSituacao = new QLabel(this);
    lbSituacao->setObjectName(QStringLiteral("lbSituacao"));
    lbSituacao->setWordWrap(true);
    lbSituacao->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const int rows = static_cast<int>(shading::kPeriods.size() * shading::kMeasures.size());
    gridDesempenho = new QTableWidget(rows, 5, this);
    gridDesempenho->setObjectName(QStringLiteral("gridDesempenho"));
    gridDesempenho->setHorizontalHeaderLabels({QStringLiteral("Período"), QStringLiteral("Medida"),
                                               QStringLiteral("Horas"), QStringLiteral("kWh/m²"),
                                               QStringLiteral("Sombreado (%)")});
    gridDesempenho->verticalHeader()->hide();
    gridDesempenho->verticalHeader()->setDefaultSectionSize(18);
    gridDesempenho->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int row = 0;
    for (const shading::Period p : shading::kPeriods) {
        for (const shading::Measure m : shading::kMeasures) {
            gridDesempenho->setItem(row, 0, new QTableWidgetItem(shading::periodCaption(p)));
            gridDesempenho->setItem(row, 1, new QTableWidgetItem(shading::measureCaption(m)));
            for (int column = 2; column < 5; ++column) {
                auto* number = new QTableWidgetItem;
                number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                gridDesempenho->setItem(row, column, number);
            }
            ++row;
        }
    }
    gridDesempenho->resizeColumnsToContents();
    gridDesempenho->horizontalHeader()->setStretchLastSection(true);

    btnCopiar = new QPushButton(QStringLiteral("&Copiar"), this);
    btnFechar = new QPushButton(QStringLiteral("&Fechar"), this);
    connect(btnCopiar, &QPushButton::clicked, this, &TFormDesempenho::btnCopiarClick);
    connect(btnFechar, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCopiar);
    buttons->addWidget(btnFechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbSituacao);
    layout->addWidget(gridDesempenho, 1);
    layout->addLayout(buttons);
    resize(520, 500);
    showReason(QString());
}

void TFormDesempenho::showNumbers(const shading::ShadingTable& table, const QString& context) {
    table_ = table;
    lbSituacao->setText(context);
    int row = 0;
    for (const shading::Period p : shading::kPeriods) {
        for (const shading::Measure m : shading::kMeasures) {
            const shading::ShadingCell& cell = table.at(p, m);
            gridDesempenho->item(row, 2)->setText(shading::hoursText(cell));
            gridDesempenho->item(row, 3)->setText(shading::kwhText(cell));
            gridDesempenho->item(row, 4)->setText(shading::percentText(cell));
            ++row;
        }
    }
    gridDesempenho->show();
    btnCopiar->setEnabled(true);
}

void TFormDesempenho::showReason(const QString& reason) {
    table_.reset();
    lbSituacao->setText(reason);
    gridDesempenho->hide();
    btnCopiar->setEnabled(false);
}

void TFormDesempenho::btnCopiarClick() {
    if (table_ && clipboard_) {
        clipboard_->setText(lbSituacao->text() + u'\n' + shading::tabText(*table_));
    }
}
