#include "output/PrintLayout.h"

#include "canvas/Truncate.h"
#include "math/numbers.h"

#include <algorithm>

namespace output {

double printRadiusCm(const std::string& text) {
    if (text.empty() || text == "0") {
        return 6.0;
    }
    return math::toNumber(text);
}

double printScale(double radiusCm, double dotsPerCm) {
    return radiusCm * dotsPerCm / kHorizonRadiusPx;
}

DotRect pictureRect(QSize picture, double scale) {
    return {kPageMarginDots, kPageMarginDots, truncPx(picture.width() * scale + kPageMarginDots),
            truncPx(picture.height() * scale + kPageMarginDots)};
}

double largestRadiusCm(QSize printableDots, double dotsPerCm, QSize picture) {
    const int room = std::min(printableDots.width(), printableDots.height()) - kPageMarginDots;
    const int side = std::max(picture.width(), picture.height());
    if (room <= 0 || side <= 0 || dotsPerCm <= 0) {
        return 0.0;
    }
    return room * kHorizonRadiusPx / (side * dotsPerCm);
}

PrintPage chartPage(const QImage& composedLayers, const std::optional<Pictograms>& pictograms,
                    double scale) {
    const DotRect chart = pictureRect(composedLayers.size(), scale);
    PrintPage page{{composedLayers, chart}};
    if (pictograms) {
        const double s = scale;
        const int r = chart.right;
        const int b = chart.bottom;
        const QSize a = kAlphaPictogramSize;
        const QSize be = kBetaPictogramSize;
        const QSize g = kGammaPictogramSize;
        page.push_back({pictograms->alpha,
                        {truncPx(r - a.width() * s), kPageMarginDots, r,
                         truncPx(kPageMarginDots + a.height() * s)}});
        page.push_back({pictograms->beta,
                        {truncPx(r - be.width() * s), truncPx(b - be.height() * s), r, b}});
        page.push_back({pictograms->gamma,
                        {kPageMarginDots, truncPx(b - g.height() * s),
                         truncPx(kPageMarginDots + g.width() * s), b}});
    }
    return page;
}

PrintPage windRosePage(const QImage& windRose, double dotsPerCm) {
    return {{windRose, pictureRect(windRose.size(), printScale(kWindRoseRadiusCm, dotsPerCm))}};
}

}  // namespace output
