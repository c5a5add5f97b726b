// A drop-down list that reacts to the mouse wheel only while it has the focus,
// so scrolling over the window never changes a selection by accident.
#pragma once

#include <QComboBox>
#include <QWheelEvent>

class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent = nullptr) : QComboBox(parent) {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void wheelEvent(QWheelEvent* event) override {
        if (hasFocus()) {
            QComboBox::wheelEvent(event);
        } else {
            event->ignore();
        }
    }
};
