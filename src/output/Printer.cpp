#include "output/Printer.h"

#include <QPainter>

namespace output {

void paintPage(QPainter& painter, const PrintPage& page) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PageDraw& draw : page) {
        const QRect target(draw.rect.left, draw.rect.top, draw.rect.right - draw.rect.left,
                           draw.rect.bottom - draw.rect.top);
        if (target.isEmpty() || draw.image.isNull()) {
            continue;
        }
        painter.drawImage(target, draw.image);
    }
}

}  // namespace output
