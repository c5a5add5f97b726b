#include "canvas/Canvas.h"

#include "canvas/RasterCache.h"
#include "canvas/VectorState.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;
constexpr QRgb kWhiteRgb = 0x00FFFFFF;
constexpr int kSmallestFontPoints = 8;

QRgb rgbOf(const QColor& color) { return color.rgb() & kRgbMask; }

}  // namespace

// A QPainter set up from the canvas state for one operation.
class Canvas::Painter {
public:
    explicit Painter(Canvas& canvas) : painter_(&canvas.image_) {
        ++canvas.generation_;
        canvas.blank_ = false;
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    ~Painter() {
        painter_.end();
        canvas_internal::clearUpperVectorState();
    }
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;
    QPainter& operator*() { return painter_; }
    QPainter* operator->() { return &painter_; }

    void usePen(const Canvas& canvas) {
        QPen pen(canvas.penColor_);
        const int width = std::max(canvas.penWidth_, 0);
        pen.setWidth(width <= 1 ? 0 : width);  // 0 and 1 are the one-pixel line
        if (canvas.penStyle_ == PenStyle::Dot) {
            pen.setStyle(Qt::DotLine);
        }
        if (width <= 1) {
            pen.setCapStyle(Qt::SquareCap);
        } else {
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
        }
        painter_.setPen(pen);
    }
    void useBrush(const Canvas& canvas) {
        if (canvas.brushStyle_ == BrushStyle::Solid) {
            painter_.setBrush(canvas.brushColor_);
        } else {
            painter_.setBrush(Qt::NoBrush);
        }
    }

private:
    QPainter painter_;
};

Canvas::Canvas(int width, int height) : image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    canvas_internal::clearUpperVectorState();
}

QRgb Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) {
        return 0xFFFFFF;
    }
    return image_.pixel(x, y) & kRgbMask;
}

void Canvas::setBrushColor(const QColor& color) {
    brushColor_ = color;
    brushStyle_ = BrushStyle::Solid;
}

QString Canvas::fontFamily() { return QStringLiteral("Liberation Sans"); }

namespace {

QFont makeFont(int points, bool bold) {
    QFont font(Canvas::fontFamily());
    font.setPointSize(std::max(points, kSmallestFontPoints));
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

namespace {

// Ellipses, texts and lines are captured on a scratch canvas of the canvas's
// size: not worth it for a canvas larger than a chart many times over.
constexpr long long kLargestCachedImagePixels = 1024 * 1024;
// Colours told apart when a drawing is captured.
constexpr QRgb kCaptureBackground = 0xFF000000;
constexpr QRgb kCapturePen = 0xFFFF0000;
constexpr QRgb kCaptureBrush = 0xFF00FF00;

// While a drawing is captured, the scratch canvas paints directly.
thread_local bool tCapturing = false;

bool cacheable(const Canvas& canvas, const QColor& pen, bool brush) {
    return !tCapturing && pen.alpha() == 255 &&
           (!brush || canvas.brushColor().alpha() == 255) &&
           static_cast<long long>(canvas.width()) * canvas.height() <= kLargestCachedImagePixels;
}

// The thread's scratch canvas of a size, all of the capture's background,
// with the pen and the brush in the capture's colours (the brush's style as
// given).
Canvas& captureCanvas(int width, int height, BrushStyle brush) {
    thread_local std::unique_ptr<Canvas> scratch;
    if (!scratch || scratch->width() != width || scratch->height() != height) {
        scratch = std::make_unique<Canvas>(width, height);
        std::fill_n(scratch->pixelsForWriting(), scratch->stride() * height, kCaptureBackground);
    }
    scratch->setPenColor(QColor::fromRgb(kCapturePen));
    scratch->setFontColor(QColor::fromRgb(kCapturePen));
    scratch->setBrushColor(QColor::fromRgb(kCaptureBrush));
    scratch->setBrushStyle(brush);
    return *scratch;
}

// The pen's and the brush's pixels of the scratch canvas within a region, as
// runs; the region is made the background again. Nothing when a pixel there
// has neither colour (a painter that blends) or the drawing reached the
// region's edge (it might go on beyond): the whole canvas is then cleared.
std::optional<canvas_internal::PixelRuns> takeRuns(Canvas& scratch, const QRect& region) {
    canvas_internal::PixelRuns runs;
    const QRect area = region & scratch.image().rect();
    const qsizetype stride = scratch.stride();
    QRgb* bits = scratch.pixelsForWriting();
    bool clean = true;
    for (int y = area.top(); y <= area.bottom() && clean; ++y) {
        QRgb* row = bits + y * stride;
        const bool edgeRow = y == region.top() || y == region.bottom();
        int x = area.left();
        while (x <= area.right()) {
            const QRgb colour = row[x];
            int end = x + 1;
            while (end <= area.right() && row[end] == colour) {
                ++end;
            }
            if (colour != kCaptureBackground) {
                const bool onEdge = edgeRow || x == region.left() || end - 1 == region.right();
                if (onEdge || (colour != kCapturePen && colour != kCaptureBrush)) {
                    clean = false;
                    break;
                }
                runs.push_back({static_cast<long long>(y) * stride + x, end - x,
                                colour == kCapturePen});
            }
            x = end;
        }
        std::fill(row + area.left(), row + area.right() + 1, kCaptureBackground);
    }
    if (!clean) {
        std::fill_n(bits, stride * scratch.height(), kCaptureBackground);
        return std::nullopt;
    }
    return runs;
}

// Draws on the scratch canvas with the cache out of the way.
template <typename Draw>
void drawDirectly(Draw&& draw) {
    tCapturing = true;
    draw();
    tCapturing = false;
}

// Writes captured runs in the pen's (or text's) and the brush's colours.
void replay(Canvas& canvas, const canvas_internal::PixelRuns& runs, const QColor& pen) {
    QRgb* bits = canvas.pixelsForWriting();
    const QRgb penRgb = 0xFF000000 | rgbOf(pen);
    const QRgb brushRgb = 0xFF000000 | rgbOf(canvas.brushColor());
    for (const canvas_internal::PixelRun& run : runs) {
        std::fill_n(bits + run.offset, run.length, run.pen ? penRgb : brushRgb);
    }
}

canvas_internal::RasterKey keyOf(canvas_internal::RasterKey::Kind kind, const Canvas& canvas) {
    canvas_internal::RasterKey key;
    key.kind = kind;
    key.imageWidth = canvas.width();
    key.imageHeight = canvas.height();
    key.penWidth = std::max(canvas.penWidth(), 1);
    key.penStyle = static_cast<int>(canvas.penStyle());
    key.brush = canvas.brushStyle() == BrushStyle::Solid;
    return key;
}

}  // namespace

void Canvas::lineTo(int x, int y) {
    const QPoint from = penPosition_;
    penPosition_ = QPoint(x, y);
    canvas_internal::RasterKey key = keyOf(canvas_internal::RasterKey::Kind::Line, *this);
    key.brush = false;
    key.left = from.x();
    key.top = from.y();
    key.right = x;
    key.bottom = y;
    const canvas_internal::PixelRuns* runs =
        !cacheable(*this, penColor_, false) ? nullptr : canvas_internal::cachedRaster(key, [&] {
            Canvas& scratch = captureCanvas(width(), height(), BrushStyle::Clear);
            scratch.setPenWidth(penWidth_);
            scratch.setPenStyle(penStyle_);
            scratch.moveTo(from.x(), from.y());
            drawDirectly([&] { scratch.lineTo(x, y); });
            const int margin = std::max(penWidth_, 1) + 2;
            return takeRuns(scratch, QRect(from, QPoint(x, y))
                                         .normalized()
                                         .adjusted(-margin, -margin, margin, margin));
        });
    if (runs) {
        replay(*this, *runs, penColor_);
        return;
    }
    Painter p(*this);
    p.usePen(*this);
    p->drawLine(from, QPoint(x, y));
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) {
        return;
    }
    const QRect box(left, top, right - left - 1, bottom - top - 1);
    canvas_internal::RasterKey key = keyOf(canvas_internal::RasterKey::Kind::Ellipse, *this);
    key.left = left;
    key.top = top;
    key.right = right;
    key.bottom = bottom;
    const canvas_internal::PixelRuns* runs =
        !cacheable(*this, penColor_, key.brush) ? nullptr : canvas_internal::cachedRaster(key, [&] {
            Canvas& scratch = captureCanvas(width(), height(), brushStyle_);
            scratch.setPenWidth(penWidth_);
            scratch.setPenStyle(penStyle_);
            drawDirectly([&] { scratch.ellipse(left, top, right, bottom); });
            // Wide enough for any pen overhang.
            const int margin = std::max(penWidth_, 1) + 2;
            return takeRuns(scratch, box.adjusted(-margin, -margin, margin, margin));
        });
    if (runs) {
        replay(*this, *runs, penColor_);
        return;
    }
    Painter p(*this);
    p.usePen(*this);
    p.useBrush(*this);
    p->drawEllipse(box);
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) {
        return;
    }
    // White on white, as the reset blanks the layers.
    if (blank_ && rgbOf(penColor_) == kWhiteRgb &&
        (brushStyle_ == BrushStyle::Clear || rgbOf(brushColor_) == kWhiteRgb)) {
        return;
    }
    Painter p(*this);
    if (brushStyle_ == BrushStyle::Solid) {
        p->fillRect(QRect(left, top, right - left, bottom - top), brushColor_);
    }
    p.usePen(*this);
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas::polyline(const std::vector<QPoint>& points) {
    if (points.size() < 2) {
        return;
    }
    Painter p(*this);
    p.usePen(*this);
    p->drawPolyline(points.data(), static_cast<int>(points.size()));
}

void Canvas::floodFill(int x, int y, const QColor& border) {
    const QPoint seed(x, y);
    floodFill(std::span<const QPoint>(&seed, 1), border);
}

void Canvas::floodFill(std::span<const QPoint> seeds, const QColor& border) {
    const int w = image_.width();
    const int h = image_.height();
    if (brushStyle_ != BrushStyle::Solid) {
        return;
    }
    ++generation_;
    const QRgb borderRgb = rgbOf(border);
    const QRgb fillRgb = rgbOf(brushColor_);
    blank_ = blank_ && fillRgb == kWhiteRgb;
    auto* bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    // Scanline fill with an explicit stack. A pixel filled is written with
    // alpha 0, which no pixel of the RGB32 image has otherwise: that marks it
    // visited, so that a fill of the colour a pixel already has still
    // spreads through it, and it gets its alpha back when the fill ends.
    // Filling never changes which pixels are border unless the fill is the
    // border colour, so the fills of several seeds share the marks: a seed
    // already reached lies in a region already filled, and filling it again
    // changes nothing.
    const bool shareVisited = fillRgb != borderRgb;
    const auto open = [borderRgb](QRgb p) {
        return (p >> 24) != 0 && (p & kRgbMask) != borderRgb;
    };
    struct Span {
        QRgb* first;
        int length;
    };
    std::vector<Span> filled;
    const auto settle = [&filled, fillRgb] {
        for (const Span& span : filled) {
            std::fill_n(span.first, span.length, 0xFF000000 | fillRgb);
        }
        filled.clear();
    };
    // A run of open pixels found on row y beside the span [parentLeft,
    // parentRight] of row parentY. When it is filled, the part of the parent's
    // row under that span needs no second look: the parent filled it all.
    struct Run {
        int y;
        int left;
        int right;
        int parentY;
        int parentLeft;
        int parentRight;
    };
    std::vector<Run> stack;
    // Pushes the runs of open pixels of row y within [from, to].
    const auto pushRuns = [&](int y, int from, int to, int parentY, int parentLeft,
                              int parentRight) {
        if (y < 0 || y >= h) {
            return;
        }
        const QRgb* row = bits + y * stride;
        int x = from;
        while (x <= to) {
            while (x <= to && !open(row[x])) {
                ++x;
            }
            const int runStart = x;
            while (x <= to && open(row[x])) {
                ++x;
            }
            if (x > runStart) {
                stack.push_back({y, runStart, x - 1, parentY, parentLeft, parentRight});
            }
        }
    };
    for (const QPoint& start : seeds) {
        if (start.x() < 0 || start.y() < 0 || start.x() >= w || start.y() >= h) {
            continue;
        }
        // The seed's parent lies outside the image, so both neighbour rows
        // are looked at in full.
        stack.assign(1, {start.y(), start.x(), start.x(), -2, 0, -1});
        while (!stack.empty()) {
            const Run run = stack.back();
            stack.pop_back();
            QRgb* row = bits + run.y * stride;
            // A fill since the push covers the whole run, its first pixel too.
            if (!open(row[run.left])) {
                continue;
            }
            int left = run.left;
            while (left > 0 && open(row[left - 1])) {
                --left;
            }
            int right = run.right;
            while (right < w - 1 && open(row[right + 1])) {
                ++right;
            }
            std::fill(row + left, row + right + 1, fillRgb);
            filled.push_back({row + left, right - left + 1});
            const int away = run.y + (run.y - run.parentY > 0 ? 1 : -1);
            const int back = 2 * run.y - away;
            pushRuns(away, left, right, run.y, left, right);
            if (back != run.parentY) {
                pushRuns(back, left, right, run.y, left, right);
            } else {
                pushRuns(back, left, run.parentLeft - 1, run.y, left, right);
                pushRuns(back, run.parentRight + 1, right, run.y, left, right);
            }
        }
        if (!shareVisited) {
            settle();
        }
    }
    settle();
}

QSize Canvas::textExtent(const QString& text) const {
    const QFontMetrics metrics(makeFont(fontSize_, fontBold_), &image_);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void Canvas::textOut(int x, int y, const QString& text) {
    canvas_internal::RasterKey key = keyOf(canvas_internal::RasterKey::Kind::Text, *this);
    key.penWidth = 0;
    key.penStyle = 0;
    key.left = x;
    key.top = y;
    key.fontPoints = std::max(fontSize_, kSmallestFontPoints);
    key.bold = fontBold_;
    key.text = text;
    const canvas_internal::PixelRuns* runs =
        !cacheable(*this, fontColor_, key.brush) ? nullptr : canvas_internal::cachedRaster(key, [&] {
            Canvas& scratch = captureCanvas(width(), height(), brushStyle_);
            scratch.setFontSize(fontSize_);
            scratch.setFontBold(fontBold_);
            drawDirectly([&] { scratch.textOut(x, y, text); });
            // Glyphs may reach past their box by far less than its height.
            const QSize size = textExtent(text);
            const int margin = size.height() + 2;
            return takeRuns(scratch, QRect(QPoint(x, y), size).adjusted(-margin, -margin, margin, margin));
        });
    if (runs) {
        replay(*this, *runs, fontColor_);
        return;
    }
    const QFont font = makeFont(fontSize_, fontBold_);
    const QFontMetrics metrics(font, &image_);
    const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
    Painter p(*this);
    if (brushStyle_ == BrushStyle::Solid) {
        p->fillRect(box, brushColor_);
    }
    p->setFont(font);
    p->setPen(fontColor_);
    p->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void Canvas::copyRect(int left, int top, int right, int bottom, const QImage& source,
                      int sourceLeft, int sourceTop, int sourceRight, int sourceBottom) {
    if (right <= left || bottom <= top) {
        return;
    }
    const QRect target(left, top, right - left, bottom - top);
    if (copyMode_ == CopyMode::Whiteness) {
        if (target.contains(image_.rect())) {
            clear();
        } else if (!blank_) {
            Painter(*this)->fillRect(target, Qt::white);
        }
        return;
    }
    if (target == image_.rect() && source.size() == image_.size() &&
        source.format() == image_.format() && source.dotsPerMeterX() == image_.dotsPerMeterX() &&
        source.dotsPerMeterY() == image_.dotsPerMeterY() &&
        source.devicePixelRatio() == image_.devicePixelRatio() &&
        QRect(sourceLeft, sourceTop, sourceRight - sourceLeft, sourceBottom - sourceTop) ==
            source.rect()) {
        // A whole picture taken as it is: the pixels are shared until either
        // side draws, which then copies them for itself.
        ++generation_;
        blank_ = false;
        image_ = source;
        return;
    }
    Painter p(*this);
    // Copy through a detached image so a canvas may copy onto itself.
    const QImage part = source.copy(
        QRect(sourceLeft, sourceTop, sourceRight - sourceLeft, sourceBottom - sourceTop));
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(target, part);
}

void Canvas::stretchDraw(int left, int top, int right, int bottom, const QImage& picture,
                         std::optional<QColor> transparent) {
    ++generation_;
    blank_ = false;
    stretchInto(image_, left, top, right, bottom, picture, transparent);
    canvas_internal::clearUpperVectorState();
}

void Canvas::clear() {
    if (blank_) {
        return;
    }
    ++generation_;
    image_.fill(Qt::white);
    canvas_internal::clearUpperVectorState();
    blank_ = true;
}

QRgb* Canvas::pixelsForWriting() {
    ++generation_;
    blank_ = false;
    return reinterpret_cast<QRgb*>(image_.bits());
}

void stretchInto(QImage& target, int left, int top, int right, int bottom, const QImage& picture,
                 std::optional<QColor> transparent) {
    const long long destW = static_cast<long long>(right) - left;
    const long long destH = static_cast<long long>(bottom) - top;
    if (destW <= 0 || destH <= 0 || picture.isNull()) {
        return;
    }
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32) {
        target = target.convertToFormat(QImage::Format_RGB32);
    }
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const long long srcW = source.width();
    const long long srcH = source.height();
    const bool keyed = transparent.has_value();
    const QRgb key = keyed ? rgbOf(*transparent) : 0;
    const int x0 = static_cast<int>(std::max<long long>(left, 0));
    const int y0 = static_cast<int>(std::max<long long>(top, 0));
    const int x1 = static_cast<int>(std::min<long long>(right, target.width()));
    const int y1 = static_cast<int>(std::min<long long>(bottom, target.height()));
    if (destW == srcW && destH == srcH) {
        // One pixel for one, as the layers are composed: no division per pixel.
        for (int y = y0; y < y1; ++y) {
            const auto* srcLine =
                reinterpret_cast<const QRgb*>(source.constScanLine(static_cast<int>(y - top)));
            auto* dstLine = reinterpret_cast<QRgb*>(target.scanLine(y));
            for (int x = x0; x < x1; ++x) {
                const QRgb colour = srcLine[x - left];
                if (!keyed || (colour & kRgbMask) != key) {
                    dstLine[x] = 0xFF000000 | colour;
                }
            }
        }
        return;
    }
    for (int y = y0; y < y1; ++y) {
        const long long sy = (y - static_cast<long long>(top)) * srcH / destH;
        const auto* srcLine = reinterpret_cast<const QRgb*>(source.constScanLine(static_cast<int>(sy)));
        auto* dstLine = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = x0; x < x1; ++x) {
            const long long sx = (x - static_cast<long long>(left)) * srcW / destW;
            const QRgb colour = srcLine[sx];
            if (keyed && (colour & kRgbMask) == key) {
                continue;
            }
            dstLine[x] = 0xFF000000 | colour;
        }
    }
}
