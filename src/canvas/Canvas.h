// Canvas: a raster image with a persistent pen, brush and font, and the
// drawing operations of the charts and the wind rose.
//
// Pixel origin top-left, x to the right, y down; all coordinates are whole
// pixels (callers truncate with truncPx). The pixel rules follow the old
// desktop framework the drawings were designed on:
//
//   rectangle(15, 388, 33, 400) and ellipse(l, t, r, b): the box is
//   left..right-1 by top..bottom-1; the right and bottom edges are excluded:
//
//        x=15            x=32
//         +--------------+     y=388
//         |    filled    |           18 x 12 pixels
//         +--------------+     y=399
//
//   lineTo keeps its end pixel;  ....  dotted pen: 1 pixel on, 2 off;
//   pen width 0 is the thinnest line (1 pixel).
//
// State rules: pen, brush and font persist between calls; setting a brush
// colour makes a clear brush solid; text is anchored at its top-left corner
// and written opaquely on the brush colour while the brush is solid.
// Each operation opens a short-lived QPainter with antialiasing off, so no
// painter state leaks between calls.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>
#include <span>
#include <vector>

enum class PenStyle { Solid, Dot };
enum class BrushStyle { Solid, Clear };
enum class CopyMode { Source, Whiteness };

class Canvas {
public:
    explicit Canvas(int width = 460, int height = 460);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    // The colour of a pixel as 0xRRGGBB; white outside the image.
    QRgb pixel(int x, int y) const;

    void setPenColor(const QColor& color) { penColor_ = color; }
    void setPenWidth(int width) { penWidth_ = width; }
    void setPenStyle(PenStyle style) { penStyle_ = style; }
    QColor penColor() const { return penColor_; }
    int penWidth() const { return penWidth_; }
    PenStyle penStyle() const { return penStyle_; }

    // Setting a colour makes a clear brush solid.
    void setBrushColor(const QColor& color);
    void setBrushStyle(BrushStyle style) { brushStyle_ = style; }
    QColor brushColor() const { return brushColor_; }
    BrushStyle brushStyle() const { return brushStyle_; }

    // Sizes below 8 points render at 8, the smallest size of the face.
    void setFontSize(int points) { fontSize_ = points; }
    void setFontBold(bool bold) { fontBold_ = bold; }
    void setFontColor(const QColor& color) { fontColor_ = color; }
    int fontSize() const { return fontSize_; }
    bool fontBold() const { return fontBold_; }
    QColor fontColor() const { return fontColor_; }
    // The sans face every canvas writes in, the same on every machine.
    static QString fontFamily();

    void moveTo(int x, int y) { penPosition_ = QPoint(x, y); }
    // A line from the pen position to (x, y), end pixel included; the pen
    // position moves to (x, y).
    void lineTo(int x, int y);
    QPoint penPosition() const { return penPosition_; }

    // Outline with the pen, inside with the brush when solid.
    void ellipse(int left, int top, int right, int bottom);
    void rectangle(int left, int top, int right, int bottom);
    // Open line through the points with the pen; the pen position stays.
    void polyline(const std::vector<QPoint>& points);

    // Repaints with the brush colour every pixel 4-connected to (x, y) that is
    // not of the border colour, whatever its own colour. A seed outside the
    // image or on the border colour, or a clear brush, fills nothing.
    void floodFill(int x, int y, const QColor& border);
    // The same fill from each seed in turn, as one call.
    void floodFill(std::span<const QPoint> seeds, const QColor& border);

    // Text with its top-left corner at (x, y) in the font colour.
    void textOut(int x, int y, const QString& text);
    QSize textExtent(const QString& text) const;

    // Copies source's (l, t, r, b) rectangle into this canvas's rectangle in
    // the current copy mode; whiteness paints the destination white.
    void setCopyMode(CopyMode mode) { copyMode_ = mode; }
    CopyMode copyMode() const { return copyMode_; }
    void copyRect(int left, int top, int right, int bottom, const QImage& source,
                  int sourceLeft, int sourceTop, int sourceRight, int sourceBottom);

    // Stretches the picture into (l, t, r, b) with nearest-neighbour sampling,
    // leaving out the pixels of the transparent colour when one is given.
    void stretchDraw(int left, int top, int right, int bottom, const QImage& picture,
                     std::optional<QColor> transparent = std::nullopt);

    // Paints every pixel white (the state is kept). Costs nothing on a canvas
    // that nothing was drawn on since it was last all white.
    void clear();
    // Whether every pixel is white, as far as the canvas knows: since it was
    // made or cleared, nothing but white was put on it.
    bool blank() const { return blank_; }

    // The pixels, for a drawing that places thousands of small marks itself
    // rather than open a painter for each: 0xFFRRGGBB, row y starting at
    // y * stride(). Counts as a drawing operation; the pointer is good until
    // the next operation of the canvas.
    QRgb* pixelsForWriting();
    qsizetype stride() const { return image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)); }

    // Changes with every drawing operation, so a view repaints only when its
    // picture changed.
    unsigned long long generation() const { return generation_; }

private:
    class Painter;

    QImage image_;
    QColor penColor_{Qt::black};
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    QColor brushColor_{Qt::white};
    BrushStyle brushStyle_ = BrushStyle::Solid;
    int fontSize_ = 8;
    bool fontBold_ = false;
    QColor fontColor_{Qt::black};
    QPoint penPosition_;
    CopyMode copyMode_ = CopyMode::Source;
    unsigned long long generation_ = 0;
    bool blank_ = true;
};

// Draws picture into a target image rectangle (l, t, r, b) with
// nearest-neighbour sampling, leaving out the transparent colour if any.
void stretchInto(QImage& target, int left, int top, int right, int bottom, const QImage& picture,
                 std::optional<QColor> transparent);
