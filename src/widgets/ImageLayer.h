// An image control: shows the picture of its Canvas at its own size.
//
// A transparent layer leaves out its white pixels, so the controls beneath it
// show through; layers stacked at one place thus compose like the old
// transparent images. The owner calls refresh() after drawing.
#pragma once

#include "canvas/Canvas.h"

#include <QWidget>

class ImageLayer : public QWidget {
    Q_OBJECT
public:
    ImageLayer(int width, int height, bool transparent, QWidget* parent = nullptr);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }
    bool isTransparent() const { return transparent_; }
    // Schedules a repaint when the picture changed since it was last shown.
    void refresh();

signals:
    // Mouse events in image pixels (fractional positions truncated).
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Canvas canvas_;
    bool transparent_;
    // What was last painted: the canvas generation and, for a transparent
    // layer, the picture with white keyed out.
    unsigned long long shownGeneration_ = ~0ULL;
    QImage keyed_;
};

// The picture with its white pixels made fully transparent.
QImage withWhiteKeyedOut(const QImage& picture);
