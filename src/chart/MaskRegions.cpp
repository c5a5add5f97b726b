#include "chart/MaskRegions.h"

#include "chart/ChartColours.h"
#include "chart/ChartGeometry.h"
#include "chart/ShadingMasks.h"

#include <algorithm>

namespace chart {

namespace {

bool readable(const AnglePair& pair) {
    return pair.first.checked && pair.first.angle.isNumber() &&
           (!pair.second.checked || pair.second.angle.isNumber());
}

// Alpha and gamma: the edges of e1 and e2, each drawn only below the façade's
// own curve.
std::optional<AngleBand> curveBand(const AnglePair& pair, AngleReference reference) {
    if (!readable(pair)) {
        return std::nullopt;
    }
    const PairedAngles e = pairAngles(pair, reference);
    if (e.e1 >= kFacadeCurveAngleDeg) {
        return std::nullopt;
    }
    return AngleBand{e.e1, e.e2 >= kFacadeCurveAngleDeg ? 90.0 : e.e2};
}

// Beta: the sector between two different angles, else from the angle to the
// façade's end.
std::optional<AngleBand> betaBand(const AnglePair& pair, AngleReference reference) {
    if (!readable(pair)) {
        return std::nullopt;
    }
    const double b1 = externalAngle(pair.first.angle.value(), reference);
    if (pair.second.checked) {
        const double b2 = externalAngle(pair.second.angle.value(), reference);
        if (b2 != b1) {
            return AngleBand{std::min(b1, b2), std::max(b1, b2)};
        }
    }
    return AngleBand{b1, 90.0};
}

bool within(const std::optional<AngleBand>& band, double angleDeg) {
    return band && angleDeg >= band->lowDeg && angleDeg <= band->highDeg;
}

bool is(QRgb colour, const QColor& paint) {
    return (colour & 0x00FFFFFF) == (paint.rgb() & 0x00FFFFFF);
}

}  // namespace

TypedMasks typedMasksOf(const ChartInputs& inputs) {
    TypedMasks masks;
    masks.orientationDeg = inputs.orientation.value();
    masks.alpha = curveBand(inputs.alpha, inputs.reference);
    masks.betaRight = betaBand(inputs.betaRight, inputs.reference);
    masks.betaLeft = betaBand(inputs.betaLeft, inputs.reference);
    masks.gammaRight = curveBand(inputs.gammaRight, inputs.reference);
    masks.gammaLeft = curveBand(inputs.gammaLeft, inputs.reference);
    return masks;
}

MasksCovering typedMasksCovering(const TypedMasks& masks, const FacadeAngles& angles) {
    if (!angles.inFront) {
        return {};
    }
    const bool right = angles.side == FacadeSide::Right;
    return {within(masks.alpha, angles.alphaDeg),
            within(right ? masks.betaRight : masks.betaLeft, angles.betaDeg),
            within(right ? masks.gammaRight : masks.gammaLeft, angles.gammaDeg)};
}

MaskPaint maskPaintOf(QRgb colour) {
    if (is(colour, kTotalShadingRed)) {
        return MaskPaint::TotalFill;
    }
    if (is(colour, kPartialShadingYellow)) {
        return MaskPaint::PartialFill;
    }
    return is(colour, kMaskGray) ? MaskPaint::Line : MaskPaint::None;
}

}  // namespace chart
