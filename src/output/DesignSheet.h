// The design sheet: one ISO A4 portrait page that explains itself. A title
// (the city, or the latitude), the place, the chart as the copy composes it
// printed true to scale by the print's own scale rule, a caption of the
// inputs, the overlay's legend, and the optional parts below: the wind rose
// with its two tables and the shading numbers.
//
// The content is plain data made by the caller; this file lays it out and
// paints it. Page coordinates are centimetres from the page's top-left
// corner, turned into the device's dots at the last step; text is painted as
// text, so a PDF keeps it searchable.
#pragma once

#include "output/Composition.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;
class QPainter;

namespace output {

// A table of texts: a caption over a header row and a header column.
struct TextTable {
    QString title;  // also the corner cell of the tables' text
    QStringList columnHeaders;
    QStringList rowHeaders;
    std::vector<QStringList> cells;  // [row][column], as many rows as rowHeaders
};

struct SheetLegend {
    QString title;
    struct Row {
        QColor colour;
        QString caption;
    };
    std::vector<Row> rows;
};

struct SheetWind {
    QString title;
    QImage rose;
    TextTable directions;
    TextTable calms;
};

struct DesignSheet {
    QString title;
    QString place;  // latitude, longitude and time zone; may be empty
    // The four layers composed, and the pictograms put into its corners.
    QImage chart;
    std::optional<Pictograms> pictograms;
    double radiusCm = 6.0;
    QStringList caption;  // one line per group of inputs
    std::optional<SheetLegend> legend;
    std::optional<SheetWind> wind;
    std::optional<TextTable> shading;
    QString footer;
};

inline constexpr double kSheetWidthCm = 21.0;
inline constexpr double kSheetHeightCm = 29.7;
// The largest chart radius that leaves the legend its column beside it.
inline constexpr double kSheetLargestRadiusCm = 6.0;

// Where the parts went, in centimetres from the page's top-left corner.
struct SheetLayout {
    QRectF chart;  // the composed picture
    QRectF legend;
    QRectF caption;
    QRectF rose;
    QRectF windTables;
    QRectF shading;
};

// Paints the sheet on a device whose whole surface is the A4 page.
SheetLayout paintDesignSheet(QPainter& painter, const DesignSheet& sheet);

// The sheet as a PNG picture of the page at 300 dots per inch.
inline constexpr int kSheetPictureDpi = 300;
QImage sheetPicture(const DesignSheet& sheet);

// Writes the sheet as a one-page PDF with its text as text.
bool writeSheetPdf(const DesignSheet& sheet, QIODevice& out);

// The tables as text: each table's title and column headers, then its rows,
// fields separated by `separator`; tables apart by an empty line. With a comma
// a field holding a comma, a quote or a line end is quoted (CSV).
QString tablesText(const std::vector<TextTable>& tables, QChar separator);

}  // namespace output
