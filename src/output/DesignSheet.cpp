#include "output/DesignSheet.h"

#include "output/PrintLayout.h"
#include "output/Printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace output {

namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kMarginXCm = 0.8;
constexpr double kMarginYCm = 1.0;
constexpr double kContentWidthCm = kSheetWidthCm - 2 * kMarginXCm;
constexpr double kContentBottomCm = kSheetHeightCm - kMarginYCm;
constexpr double kGapCm = 0.4;
constexpr double kLargestRoseCm = 9.0;
constexpr double kSmallestRoseCm = 3.0;
constexpr int kPdfDotsPerInch = 600;

const QColor kRuleColour(160, 160, 160);
const QColor kGridColour(192, 192, 192);  // silver, as the window's grids
const QColor kHeaderFill(236, 236, 236);

QFont sheetFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The painter with the page's unit: centimetres in, device dots out.
class Page {
public:
    explicit Page(QPainter& painter)
        : painter_(painter), dotsPerCm_(painter.device()->logicalDpiX() / kCmPerInch) {}

    QPainter& painter() { return painter_; }
    double dotsPerCm() const { return dotsPerCm_; }
    QRectF dots(const QRectF& cm) const {
        return {cm.x() * dotsPerCm_, cm.y() * dotsPerCm_, cm.width() * dotsPerCm_,
                cm.height() * dotsPerCm_};
    }

    double textWidth(const QFont& font, const QString& text) const {
        return QFontMetricsF(font, painter_.device()).horizontalAdvance(text) / dotsPerCm_;
    }
    double lineHeight(const QFont& font) const {
        return QFontMetricsF(font, painter_.device()).height() / dotsPerCm_;
    }
    // The height of the text wrapped into the width.
    double wrappedHeight(const QFont& font, const QString& text, double widthCm) const {
        const QRectF box =
            QFontMetricsF(font, painter_.device())
                .boundingRect(QRectF(0, 0, widthCm * dotsPerCm_, 1e9), Qt::TextWordWrap, text);
        return box.height() / dotsPerCm_;
    }
    // Writes the text into the box; returns the height it took.
    double text(const QRectF& cm, const QFont& font, const QString& text,
                int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                const QColor& colour = Qt::black) {
        painter_.setFont(font);
        painter_.setPen(colour);
        QRectF used;
        painter_.drawText(dots(cm), flags, text, &used);
        return used.height() / dotsPerCm_;
    }
    void line(QPointF fromCm, QPointF toCm, const QColor& colour, double widthCm) {
        painter_.setPen(QPen(colour, widthCm * dotsPerCm_));
        painter_.drawLine(fromCm * dotsPerCm_, toCm * dotsPerCm_);
    }
    void box(const QRectF& cm, const QColor& fill, const QColor& border, double borderCm) {
        painter_.setPen(QPen(border, borderCm * dotsPerCm_));
        painter_.setBrush(fill);
        painter_.drawRect(dots(cm));
        painter_.setBrush(Qt::NoBrush);
    }

private:
    QPainter& painter_;
    double dotsPerCm_;
};

// ---- Tables ----

// The cell of row r and column c, both from 0 past the headers; a row that
// was never read is empty.
QString cellText(const TextTable& table, qsizetype r, qsizetype c) {
    const auto row = static_cast<std::size_t>(r);
    return row < table.cells.size() ? table.cells[row].value(c) : QString();
}

const QFont& tableFont() {
    static const QFont font = sheetFont(7.5);
    return font;
}
const QFont& tableTitleFont() {
    static const QFont font = sheetFont(8.0, true);
    return font;
}
constexpr double kCellPaddingCm = 0.12;
constexpr double kNarrowestColumnCm = 0.9;

struct TableMetrics {
    std::vector<double> columnWidths;  // the header column first
    double rowHeight = 0.0;
    double titleHeight = 0.0;

    double width() const {
        double total = 0.0;
        for (double w : columnWidths) {
            total += w;
        }
        return total;
    }
    double height(const TextTable& table) const {
        return titleHeight + rowHeight * static_cast<double>(table.rowHeaders.size() + 1);
    }
};

TableMetrics measure(const Page& page, const TextTable& table) {
    TableMetrics m;
    m.rowHeight = page.lineHeight(tableFont()) * 1.3;
    m.titleHeight = page.lineHeight(tableTitleFont()) * 1.2;
    const auto widest = [&](double width, const QString& text) {
        return std::max(width, page.textWidth(tableFont(), text) + 2 * kCellPaddingCm);
    };
    double first = 0.0;
    for (const QString& header : table.rowHeaders) {
        first = widest(first, header);
    }
    m.columnWidths.push_back(first);
    for (qsizetype c = 0; c < table.columnHeaders.size(); ++c) {
        double width = widest(kNarrowestColumnCm, table.columnHeaders[c]);
        for (qsizetype r = 0; r < table.rowHeaders.size(); ++r) {
            width = widest(width, cellText(table, r, c));
        }
        m.columnWidths.push_back(width);
    }
    // The title may be wider than the columns; the table then stays as measured.
    return m;
}

QSizeF tableSize(const Page& page, const TextTable& table) {
    const TableMetrics m = measure(page, table);
    return {std::max(m.width(), page.textWidth(tableTitleFont(), table.title)), m.height(table)};
}

void paintTable(Page& page, const TextTable& table, QPointF at) {
    const TableMetrics m = measure(page, table);
    page.text(QRectF(at.x(), at.y(), m.width() * 3, m.titleHeight), tableTitleFont(), table.title,
              Qt::AlignLeft | Qt::AlignTop);
    const double top = at.y() + m.titleHeight;
    const auto rows = static_cast<int>(table.rowHeaders.size()) + 1;
    for (int r = 0; r < rows; ++r) {
        double x = at.x();
        for (std::size_t c = 0; c < m.columnWidths.size(); ++c) {
            const QRectF cell(x, top + r * m.rowHeight, m.columnWidths[c], m.rowHeight);
            const bool header = r == 0 || c == 0;
            page.box(cell, header ? kHeaderFill : QColor(Qt::white), kGridColour, 0.015);
            QString text;
            if (r == 0 && c > 0) {
                text = table.columnHeaders.value(static_cast<qsizetype>(c) - 1);
            } else if (r > 0 && c == 0) {
                text = table.rowHeaders.value(r - 1);
            } else if (r > 0) {
                text = cellText(table, r - 1, static_cast<qsizetype>(c) - 1);
            }
            const QRectF inner = cell.adjusted(kCellPaddingCm, 0, -kCellPaddingCm, 0);
            page.text(inner, tableFont(), text,
                      (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
            x += m.columnWidths[c];
        }
    }
}

// ---- The parts ----

// The legend in its column: a title, then one colour box and caption per
// class; the captions shrink to the column when they would not fit.
QRectF paintLegend(Page& page, const SheetLegend& legend, const QRectF& column) {
    const QFont title = sheetFont(9.0, true);
    double y = column.top();
    y += page.text(QRectF(column.left(), y, column.width(), 3.0), title, legend.title);
    y += 0.2;
    constexpr double kBoxWidthCm = 0.7;
    constexpr double kBoxHeightCm = 0.4;
    constexpr double kRowCm = 0.6;
    const double captionWidth = column.width() - kBoxWidthCm - 0.2;
    double points = 8.0;
    for (const SheetLegend::Row& row : legend.rows) {
        const double width = page.textWidth(sheetFont(8.0, true), row.caption);
        if (width > captionWidth) {
            points = std::min(points, 8.0 * captionWidth / width);
        }
    }
    const QFont caption = sheetFont(points, true);
    for (const SheetLegend::Row& row : legend.rows) {
        page.box(QRectF(column.left(), y, kBoxWidthCm, kBoxHeightCm), row.colour, Qt::black, 0.01);
        page.text(QRectF(column.left() + kBoxWidthCm + 0.2, y - 0.1, captionWidth, kRowCm), caption,
                  row.caption, Qt::AlignLeft | Qt::AlignVCenter);
        y += kRowCm;
    }
    return {column.left(), column.top(), column.width(), y - column.top()};
}

// The chart by the print's own rule: the page of the print command, its
// margin corner moved to the chart's place.
QRectF paintChart(Page& page, const DesignSheet& sheet, QPointF atCm) {
    const double scale = printScale(sheet.radiusCm, page.dotsPerCm());
    const PrintPage drawn = chartPage(sheet.chart, sheet.pictograms, scale);
    QPainter& painter = page.painter();
    painter.save();
    painter.translate(std::trunc(atCm.x() * page.dotsPerCm()) - kPageMarginDots,
                      std::trunc(atCm.y() * page.dotsPerCm()) - kPageMarginDots);
    paintPage(painter, drawn);
    painter.restore();
    const DotRect& r = drawn.front().rect;
    return {atCm.x(), atCm.y(), (r.right - r.left) / page.dotsPerCm(),
            (r.bottom - r.top) / page.dotsPerCm()};
}

// A block of the lower band, placed left to right, wrapping to a new row.
struct Flow {
    double x = kMarginXCm;
    double top = 0.0;
    double rowHeight = 0.0;

    QPointF place(QSizeF size) {
        if (x > kMarginXCm && x + size.width() > kMarginXCm + kContentWidthCm) {
            x = kMarginXCm;
            top += rowHeight + kGapCm;
            rowHeight = 0.0;
        }
        const QPointF at(x, top);
        x += size.width() + 2 * kGapCm;
        rowHeight = std::max(rowHeight, size.height());
        return at;
    }
};

// The rose takes the room its tables leave in the band. Below them, the
// shading table gets a row of its own (`shadingHeight`, 0 without one): the
// two wind tables then stand side by side, so the band is no taller than
// the directions table or the rose.
void paintWind(Page& page, const SheetWind& wind, double shadingHeight, Flow& flow,
               SheetLayout& layout) {
    const QFont title = sheetFont(9.0, true);
    const double titleHeight = page.lineHeight(title) * 1.2;
    const QSizeF directions = tableSize(page, wind.directions);
    const QSizeF calms = tableSize(page, wind.calms);
    const bool sideBySide = shadingHeight > 0;
    const QSizeF tables =
        sideBySide ? QSizeF(directions.width() + 2 * kGapCm + calms.width(),
                            std::max(directions.height(), calms.height()))
                   : QSizeF(std::max(directions.width(), calms.width()),
                            directions.height() + kGapCm + calms.height());
    const double room = kContentWidthCm - tables.width() - 2 * kGapCm;
    double height = kContentBottomCm - flow.top - titleHeight;
    if (sideBySide) {
        height -= shadingHeight + kGapCm;
    }
    const double side =
        std::clamp(std::min(height, room), kSmallestRoseCm, kLargestRoseCm);
    // A title wider than a small rose keeps the tables at its end.
    const double titleWidth = page.textWidth(title, wind.title);
    const QPointF at = flow.place({std::max(side, titleWidth), titleHeight + side});
    page.text(QRectF(at.x(), at.y(), std::max(side, titleWidth), titleHeight), title, wind.title,
              Qt::AlignLeft | Qt::AlignTop);
    layout.rose = QRectF(at.x(), at.y() + titleHeight, side, side);
    QPainter& painter = page.painter();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(page.dots(layout.rose), wind.rose);

    const QPointF tablesAt = flow.place(tables);
    paintTable(page, wind.directions, tablesAt);
    paintTable(page, wind.calms,
               tablesAt + (sideBySide ? QPointF(directions.width() + 2 * kGapCm, 0)
                                      : QPointF(0, directions.height() + kGapCm)));
    layout.windTables = QRectF(tablesAt, tables);
}

}  // namespace

SheetLayout paintDesignSheet(QPainter& painter, const DesignSheet& sheet) {
    Page page(painter);
    SheetLayout layout;
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    double y = kMarginYCm;

    y += page.text(QRectF(kMarginXCm, y, kContentWidthCm, 2.0), sheetFont(16.0, true), sheet.title);
    if (!sheet.place.isEmpty()) {
        y += page.text(QRectF(kMarginXCm, y, kContentWidthCm, 2.0), sheetFont(9.5), sheet.place);
    }
    y += 0.15;
    page.line({kMarginXCm, y}, {kMarginXCm + kContentWidthCm, y}, kRuleColour, 0.02);
    y += 0.35;

    layout.chart = paintChart(page, sheet, {kMarginXCm, y});
    if (sheet.legend) {
        const double left = layout.chart.right() + kGapCm;
        layout.legend = paintLegend(
            page, *sheet.legend,
            QRectF(left, y, kMarginXCm + kContentWidthCm - left, layout.chart.height()));
    }
    y = layout.chart.bottom() + 0.25;

    const QFont caption = sheetFont(8.5);
    const QString captionText = sheet.caption.join(u'\n');
    const double captionHeight = page.wrappedHeight(caption, captionText, kContentWidthCm);
    layout.caption = QRectF(kMarginXCm, y, kContentWidthCm, captionHeight);
    page.text(layout.caption, caption, captionText);
    y += captionHeight + kGapCm;

    Flow flow;
    flow.top = y;
    if (sheet.wind) {
        paintWind(page, *sheet.wind,
                  sheet.shading ? tableSize(page, *sheet.shading).height() : 0.0, flow, layout);
    }
    if (sheet.shading) {
        const QSizeF size = tableSize(page, *sheet.shading);
        // A row of its own: beside the wind it would leave the rose no room.
        flow.x = kContentWidthCm;
        const QPointF at = flow.place(size);
        paintTable(page, *sheet.shading, at);
        layout.shading = QRectF(at, size);
    }

    if (!sheet.footer.isEmpty()) {
        const QFont footer = sheetFont(7.0);
        const double h = page.lineHeight(footer);
        page.text(QRectF(kMarginXCm, kSheetHeightCm - kMarginYCm + 0.2, kContentWidthCm, h), footer,
                  sheet.footer, Qt::AlignLeft | Qt::AlignTop, kRuleColour);
    }
    return layout;
}

QImage sheetPicture(const DesignSheet& sheet) {
    const double dotsPerCm = kSheetPictureDpi / kCmPerInch;
    QImage picture(static_cast<int>(std::lround(kSheetWidthCm * dotsPerCm)),
                   static_cast<int>(std::lround(kSheetHeightCm * dotsPerCm)), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerCm * 100.0));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paintDesignSheet(painter, sheet);
    return picture;
}

bool writeSheetPdf(const DesignSheet& sheet, QIODevice& out) {
    QPdfWriter pdf(&out);
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setTitle(sheet.title);
    pdf.setCreator(QStringLiteral("ZENITA"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    paintDesignSheet(painter, sheet);
    return painter.end();
}

namespace {

// A field as the separator needs it: quoted for CSV when it must be; for
// tab-separated text a tab or line end inside becomes a blank.
QString field(QString text, QChar separator) {
    if (separator != u',') {
        text.replace(u'\t', u' ').replace(u'\n', u' ');
        return text;
    }
    if (!(text.contains(u',') || text.contains(u'"') || text.contains(u'\n'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}  // namespace

QString tablesText(const std::vector<TextTable>& tables, QChar separator) {
    QStringList lines;
    for (const TextTable& table : tables) {
        if (!lines.isEmpty()) {
            lines << QString();
        }
        QStringList header{field(table.title, separator)};
        for (const QString& column : table.columnHeaders) {
            header << field(column, separator);
        }
        lines << header.join(separator);
        for (qsizetype r = 0; r < table.rowHeaders.size(); ++r) {
            QStringList row{field(table.rowHeaders[r], separator)};
            for (qsizetype c = 0; c < table.columnHeaders.size(); ++c) {
                row << field(cellText(table, r, c), separator);
            }
            lines << row.join(separator);
        }
    }
    return lines.join(u'\n') + u'\n';
}

}  // namespace output
