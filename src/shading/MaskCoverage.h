// Where the masks shade, read at a point of the chart.
//
// The typed masks draw only their boundaries; what they shade is the region
// between the curves of a pair, on their side of the façade normal, as the
// drawing pairs them (one angle: from it up to the façade, or to the façade's
// end for beta). So a typed mask counts by its region, decided at the pixel
// a point falls in. What the hand drew on top counts by its colour: a red
// fill or a gray line shades, a yellow fill shades half.
//
// Chart points are pixels of the 460 x 460 layers (origin top-left, y down);
// a point belongs to the pixel it truncates to, and a region is decided at
// that pixel's centre. Angles in degrees, external (alpha and gamma up from
// the horizontal, beta from the façade normal).
#pragma once

#include "chart/ChartInputs.h"
#include "chart/Projection.h"

#include <QImage>
#include <QPointF>

#include <optional>

namespace shading {

// The directions whose angle lies from `lowDeg` to `highDeg`, both included.
struct AngleBand {
    double lowDeg = 0.0;
    double highDeg = 90.0;
};

struct TypedMasks {
    double orientationDeg = 0.0;  // azimuth of the façade normal, clockwise from north
    std::optional<AngleBand> alpha;
    std::optional<AngleBand> betaRight;
    std::optional<AngleBand> betaLeft;
    std::optional<AngleBand> gammaRight;
    std::optional<AngleBand> gammaLeft;
};

// The masks the chart's inputs draw, with the protractor on. Reads the
// orientation and the checked angles as the drawing does, so it throws
// math::ConversionError where the drawing would.
TypedMasks typedMasksOf(const chart::ChartInputs& inputs);

class MaskCoverage {
public:
    // `masks`: the mask layer as it stands. `baseline`: the same layer as
    // the chart command (and the drawing guides) left it; a pixel that still
    // holds its colour there is no hand drawing.
    MaskCoverage(QImage masks, QImage baseline, TypedMasks typed, chart::Projection projection);

    // 1 shaded, 0.5 half shaded, 0 open, at the pixel of the chart point.
    double shadeAt(QPointF chartPoint) const;

    const TypedMasks& typed() const { return typed_; }

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
    static std::optional<BandTest> testOf(const std::optional<AngleBand>& band);
    // A pixel centre in the region of a typed mask: above the horizon, in
    // front of the façade, with its alpha, beta or gamma (chart::FacadeAngles)
    // in a band of its side.
    bool insideTypedMask(QPointF pixelCentre) const;

    QImage masks_;
    QImage baseline_;
    TypedMasks typed_;
    chart::Projection projection_;
    double sinOrientation_ = 0.0;
    double cosOrientation_ = 1.0;
    std::optional<BandTest> alpha_, betaRight_, betaLeft_, gammaRight_, gammaLeft_;
};

}  // namespace shading
