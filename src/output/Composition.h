// Composition of the chart layers into one picture, as the clipboard copy,
// the compare dialog, the print and the headless export all show it.
//
// The base layer covers the whole picture; the three upper layers are drawn
// over it in their stacking order with white left out; then the reference
// pictograms of the chosen set are put into three corners at their own size,
// placed by the sizes of the internal pictograms.
#pragma once

#include <QImage>
#include <QSize>

#include <optional>

namespace output {

// Sizes of the internal pictograms, which place every set.
inline constexpr QSize kAlphaPictogramSize{80, 75};
inline constexpr QSize kBetaPictogramSize{80, 50};
inline constexpr QSize kGammaPictogramSize{81, 58};

// Bottom to top.
struct ChartLayers {
    const QImage& base;
    const QImage& overlay;
    const QImage& protractor;
    const QImage& masks;
};

// One set of reference pictograms (internal or external).
struct Pictograms {
    QImage alpha;
    QImage beta;
    QImage gamma;
};

// The layers stacked, white keyed out on the upper three; with a set of
// pictograms, alpha at the top right, beta at the bottom right and gamma at the
// bottom left. The result has the size of the base layer.
QImage composeChart(const ChartLayers& layers, const std::optional<Pictograms>& pictograms);

}  // namespace output
