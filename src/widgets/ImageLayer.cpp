#include "widgets/ImageLayer.h"

#include "canvas/Truncate.h"

#include <QMouseEvent>
#include <QPainter>

ImageLayer::ImageLayer(int width, int height, bool transparent, QWidget* parent)
    : QWidget(parent), canvas_(width, height), transparent_(transparent) {
    resize(width, height);
    setMouseTracking(true);
    if (!transparent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
}

QImage withWhiteKeyedOut(const QImage& picture) {
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF) {
                line[x] = 0;
            }
        }
    }
    return keyed;
}

void ImageLayer::refresh() {
    if (canvas_.generation() != shownGeneration_) {
        update();
    }
}

void ImageLayer::paintEvent(QPaintEvent*) {
    if (transparent_ && canvas_.blank()) {
        // All white, all keyed out: nothing to show, nothing to key.
        shownGeneration_ = canvas_.generation();
        keyed_ = QImage();
        return;
    }
    QPainter painter(this);
    if (transparent_) {
        if (canvas_.generation() != shownGeneration_ || keyed_.isNull()) {
            keyed_ = withWhiteKeyedOut(canvas_.image());
        }
        painter.drawImage(0, 0, keyed_);
    } else {
        painter.drawImage(0, 0, canvas_.image());
    }
    shownGeneration_ = canvas_.generation();
}

void ImageLayer::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mousePressed(event->button(), event->modifiers(), truncPx(p.x()), truncPx(p.y()));
}

void ImageLayer::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseMoved(event->buttons(), event->modifiers(), truncPx(p.x()), truncPx(p.y()));
}

void ImageLayer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}
