#include "widgets/WindGrid.h"

#include <QHeaderView>

WindGrid::WindGrid(int columns, int rows, QWidget* parent) : QTableWidget(rows, columns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The narrow columns hold "100.00" and "Madrugada" whole: no padding, no
    // ellipsis.
    setStyleSheet(QStringLiteral(
        "QTableWidget { gridline-color: silver; } QTableWidget::item { padding: 0px 1px; }"));
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem();
            if (r == 0 || c == 0) {
                item->setBackground(palette().button());
            }
            setItem(r, c, item);
        }
    }
}

QString WindGrid::cell(int column, int row) const {
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void WindGrid::setCell(int column, int row, const QString& text) {
    if (QTableWidgetItem* it = item(row, column)) {
        it->setText(text);
    }
}

void WindGrid::setColumnWidths(const std::vector<int>& widths) {
    for (int c = 0; c < static_cast<int>(widths.size()) && c < columnCount(); ++c) {
        setColumnWidth(c, widths[c]);
    }
}

void WindGrid::setRowHeights(const std::vector<int>& heights) {
    for (int r = 0; r < static_cast<int>(heights.size()) && r < rowCount(); ++r) {
        setRowHeight(r, heights[r]);
    }
}

void WindGrid::setHeaders(const QStringList& columnHeaders, const QStringList& rowHeaders) {
    for (int c = 0; c < columnHeaders.size(); ++c) {
        setCell(c + 1, 0, columnHeaders[c]);
    }
    for (int r = 0; r < rowHeaders.size(); ++r) {
        setCell(0, r + 1, rowHeaders[r]);
    }
}
