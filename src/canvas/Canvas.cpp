#include "canvas/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;
constexpr int kSmallestFontPoints = 8;

QRgb rgbOf(const QColor& color) { return color.rgb() & kRgbMask; }

}  // namespace

// A QPainter set up from the canvas state for one operation.
class Canvas::Painter {
public:
    explicit Painter(Canvas& canvas) : painter_(&canvas.image_) {
        ++canvas.generation_;
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
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

void Canvas::lineTo(int x, int y) {
    Painter p(*this);
    p.usePen(*this);
    p->drawLine(penPosition_, QPoint(x, y));
    penPosition_ = QPoint(x, y);
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) {
        return;
    }
    Painter p(*this);
    p.usePen(*this);
    p.useBrush(*this);
    p->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) {
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
    const QRgb fill = 0xFF000000 | rgbOf(brushColor_);
    auto* bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    auto at = [&](int px, int py) -> QRgb& { return bits[py * stride + px]; };
    // Scanline fill with an explicit stack; the visited mask lets a fill of
    // the colour a pixel already has still spread through it. Filling never
    // changes which pixels are border unless the fill is the border colour,
    // so the fills of several seeds share one mask: a seed already reached
    // lies in a region already filled, and filling it again changes nothing.
    const bool shareVisited = (fill & kRgbMask) != borderRgb;
    std::vector<std::uint8_t> visited(static_cast<std::size_t>(w) * h, 0);
    auto open = [&](int px, int py) {
        return !visited[static_cast<std::size_t>(py) * w + px] &&
               (at(px, py) & kRgbMask) != borderRgb;
    };
    std::vector<QPoint> stack;
    for (const QPoint& start : seeds) {
        if (start.x() < 0 || start.y() < 0 || start.x() >= w || start.y() >= h) {
            continue;
        }
        if (!shareVisited) {
            std::fill(visited.begin(), visited.end(), std::uint8_t{0});
        }
        stack.assign(1, start);
        while (!stack.empty()) {
            const QPoint seed = stack.back();
            stack.pop_back();
            const int sy = seed.y();
            if (!open(seed.x(), sy)) {
                continue;
            }
            int left = seed.x();
            while (left > 0 && open(left - 1, sy)) {
                --left;
            }
            int right = seed.x();
            while (right < w - 1 && open(right + 1, sy)) {
                ++right;
            }
            for (int px = left; px <= right; ++px) {
                visited[static_cast<std::size_t>(sy) * w + px] = 1;
                at(px, sy) = fill;
            }
            for (int ny : {sy - 1, sy + 1}) {
                if (ny < 0 || ny >= h) {
                    continue;
                }
                bool inRun = false;
                for (int px = left; px <= right; ++px) {
                    if (open(px, ny)) {
                        if (!inRun) {
                            stack.emplace_back(px, ny);
                            inRun = true;
                        }
                    } else {
                        inRun = false;
                    }
                }
            }
        }
    }
}

QSize Canvas::textExtent(const QString& text) const {
    const QFontMetrics metrics(makeFont(fontSize_, fontBold_), &image_);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void Canvas::textOut(int x, int y, const QString& text) {
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
    Painter p(*this);
    const QRect target(left, top, right - left, bottom - top);
    if (copyMode_ == CopyMode::Whiteness) {
        p->fillRect(target, Qt::white);
        return;
    }
    // Copy through a detached image so a canvas may copy onto itself.
    const QImage part = source.copy(
        QRect(sourceLeft, sourceTop, sourceRight - sourceLeft, sourceBottom - sourceTop));
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(target, part);
}

void Canvas::stretchDraw(int left, int top, int right, int bottom, const QImage& picture,
                         std::optional<QColor> transparent) {
    ++generation_;
    stretchInto(image_, left, top, right, bottom, picture, transparent);
}

void Canvas::clear() {
    ++generation_;
    image_.fill(Qt::white);
}

QRgb* Canvas::pixelsForWriting() {
    ++generation_;
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
