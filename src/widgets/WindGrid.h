// Read-only text grid with one fixed header row and one fixed header column,
// addressed like the old string grid: cell(column, row), both from 0, where
// row 0 and column 0 are the headers.
#pragma once

#include <QStringList>
#include <QTableWidget>

#include <vector>

class WindGrid : public QTableWidget {
    Q_OBJECT
public:
    WindGrid(int columns, int rows, QWidget* parent = nullptr);

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    void setColumnWidths(const std::vector<int>& widths);
    void setRowHeights(const std::vector<int>& heights);
    // Headers of the fixed row (from column 1) and the fixed column (from row 1).
    void setHeaders(const QStringList& columnHeaders, const QStringList& rowHeaders);
};
