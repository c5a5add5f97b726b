// What the masks on the mask layer cover, in one place for the readout under
// the pointer and the shading numbers.
//
// A typed mask draws only its edges; it covers the region between them, on
// its side of the façade normal, as the drawing pairs its angles: one angle
// covers from its edge to the façade (alpha, gamma) or to the façade's end
// (beta), two angles the band between their edges. An edge from 89° up is
// not drawn: the façade line stands for it, as 90. What the hand drew is
// told by its colour: a red fill covers, a yellow fill covers in part, a gray
// line is a mask line.
//
// Angles in degrees, external (alpha and gamma up from the horizontal, beta
// from the façade normal), as chart::FacadeAngles gives them.
#pragma once

#include "chart/ChartInputs.h"
#include "chart/FacadeAngles.h"

#include <QRgb>

#include <optional>

namespace chart {

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

// The masks the inputs draw with the protractor on. The orientation must be a
// number (math::ConversionError otherwise); a pair whose angles are not
// numbers covers nothing, as its drawing stopped the chart before it.
TypedMasks typedMasksOf(const ChartInputs& inputs);

// The typed masks whose region holds a direction in front of the façade:
// beta and gamma are those of the direction's side.
struct MasksCovering {
    bool alpha = false;
    bool beta = false;
    bool gamma = false;
    bool any() const { return alpha || beta || gamma; }
};
MasksCovering typedMasksCovering(const TypedMasks& masks, const FacadeAngles& angles);

// What a pixel of the mask layer holds, by its colour.
enum class MaskPaint { None, TotalFill, PartialFill, Line };
MaskPaint maskPaintOf(QRgb colour);

}  // namespace chart
