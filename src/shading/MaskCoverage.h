// Where the masks shade, read at a point of the chart.
//
// A typed mask shades the region it covers (chart/MaskRegions.h), decided at
// the pixel a point falls in. What the hand drew on top counts by its colour:
// a red fill or a gray line shades, a yellow fill shades half.
//
// Chart points are pixels of the 460 x 460 layers (origin top-left, y down);
// a point belongs to the pixel it truncates to, and a region is decided at
// that pixel's centre. Angles in degrees, external (alpha and gamma up from
// the horizontal, beta from the façade normal).
#pragma once

#include "chart/MaskRegions.h"
#include "chart/Projection.h"

#include <QImage>
#include <QPointF>

#include <optional>

namespace shading {

class MaskCoverage {
public:
    // `masks`: the mask layer as it stands. `baseline`: the same layer as
    // the chart command (and the drawing guides) left it; a pixel that still
    // holds its colour there is no hand drawing.
    MaskCoverage(QImage masks, QImage baseline, chart::TypedMasks typed,
                 chart::Projection projection);

    // 1 shaded, 0.5 half shaded, 0 open, at the pixel of the chart point.
    double shadeAt(QPointF chartPoint) const;

    const chart::TypedMasks& typed() const { return typed_; }

private:
    // A band as the sines and cosines of its ends, so that a point is tested
    // without an arc tangent.
    struct BandTest {
        double cosLow = 1.0;
        double sinLow = 0.0;
        double cosHigh = 0.0;
        double sinHigh = 1.0;
        bool holds(double y, double x) const;
    };
    static std::optional<BandTest> testOf(const std::optional<chart::AngleBand>& band);
    // A pixel centre in the region of a typed mask, by
    // chart::typedMasksCovering's rule worked on the direction's vector.
    bool insideTypedMask(QPointF pixelCentre) const;

    QImage masks_;
    QImage baseline_;
    chart::TypedMasks typed_;
    chart::Projection projection_;
    double sinOrientation_ = 0.0;
    double cosOrientation_ = 1.0;
    std::optional<BandTest> alpha_, betaRight_, betaLeft_, gammaRight_, gammaLeft_;
};

}  // namespace shading
