#include "output/Composition.h"

#include "canvas/Canvas.h"

namespace output {

QImage composeChart(const ChartLayers& layers, const std::optional<Pictograms>& pictograms) {
    QImage picture = layers.base.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width();
    const int h = picture.height();
    for (const QImage* layer : {&layers.overlay, &layers.protractor, &layers.masks}) {
        stretchInto(picture, 0, 0, w, h, *layer, QColor(Qt::white));
    }
    if (pictograms) {
        const QSize a = kAlphaPictogramSize;
        const QSize b = kBetaPictogramSize;
        const QSize g = kGammaPictogramSize;
        stretchInto(picture, w - a.width(), 0, w, a.height(), pictograms->alpha, std::nullopt);
        stretchInto(picture, w - b.width(), h - b.height(), w, h, pictograms->beta, std::nullopt);
        stretchInto(picture, 0, h - g.height(), g.width(), h, pictograms->gamma, std::nullopt);
    }
    return picture;
}

}  // namespace output
