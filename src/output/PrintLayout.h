// Where the pictures go on a printed page.
//
// Printer coordinates are dots from the printable area's top-left corner.
// A screen pixel of the 460 x 460 pictures becomes s dots, with
// s = r * (dots per cm) / 192 for a chart of radius r cm: the horizon circle,
// 192 pixels in radius on screen, prints r cm in radius on any printer
// (s = 1.25 r at 240 dots per cm). Every coordinate is truncated.
#pragma once

#include "output/Composition.h"

#include <QImage>
#include <QSize>

#include <optional>
#include <string>
#include <vector>

namespace output {

// A rectangle as (left, top, right, bottom), right and bottom excluded.
struct DotRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const DotRect&, const DotRect&) = default;
};

inline constexpr double kWindRoseRadiusCm = 6.0;
inline constexpr double kHorizonRadiusPx = 192.0;
inline constexpr int kPageMarginDots = 10;

// The radius typed in the print dialog: the empty text or exactly "0" gives
// 6 cm; any other text must be a number (throws math::ConversionError).
double printRadiusCm(const std::string& text);

// Printer dots per screen pixel for a chart of the given radius.
double printScale(double radiusCm, double dotsPerCm);

// The picture's rectangle: from (10, 10) to trunc(size * s + 10).
DotRect pictureRect(QSize picture, double scale);

// The largest radius whose chart fits a printable area of the given size.
double largestRadiusCm(QSize printableDots, double dotsPerCm, QSize picture = {460, 460});

// One picture stretched into a rectangle of the page.
struct PageDraw {
    QImage image;
    DotRect rect;
};
using PrintPage = std::vector<PageDraw>;

// The chart page: the composed layers in the chart rectangle, then the
// pictograms of the chosen set scaled into its corners (placed by the sizes
// of the internal pictograms).
PrintPage chartPage(const QImage& composedLayers, const std::optional<Pictograms>& pictograms,
                    double scale);
// The wind rose page, always at 6 cm.
PrintPage windRosePage(const QImage& windRose, double dotsPerCm);

}  // namespace output
