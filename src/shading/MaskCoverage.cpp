#include "shading/MaskCoverage.h"

#include "canvas/Truncate.h"
#include "math/angles.h"

#include <cmath>

namespace shading {

MaskCoverage::MaskCoverage(QImage masks, QImage baseline, chart::TypedMasks typed,
                           chart::Projection projection)
    : masks_(std::move(masks)),
      baseline_(std::move(baseline)),
      typed_(typed),
      projection_(projection),
      sinOrientation_(std::sin(math::degToRad(typed.orientationDeg))),
      cosOrientation_(std::cos(math::degToRad(typed.orientationDeg))),
      alpha_(testOf(typed.alpha)),
      betaRight_(testOf(typed.betaRight)),
      betaLeft_(testOf(typed.betaLeft)),
      gammaRight_(testOf(typed.gammaRight)),
      gammaLeft_(testOf(typed.gammaLeft)) {}

std::optional<MaskCoverage::BandTest> MaskCoverage::testOf(
    const std::optional<chart::AngleBand>& band) {
    if (!band) {
        return std::nullopt;
    }
    const double low = math::degToRad(band->lowDeg);
    const double high = math::degToRad(band->highDeg);
    return BandTest{std::cos(low), std::sin(low), std::cos(high), std::sin(high)};
}

// The angle of (x, y), both at least 0, from the x axis lies in the band.
bool MaskCoverage::BandTest::holds(double y, double x) const {
    return y * cosLow >= x * sinLow && y * cosHigh <= x * sinHigh;
}

bool MaskCoverage::insideTypedMask(QPointF pixelCentre) const {
    // The direction as a unit vector, by the inverse of the stereographic
    // projection: a point at rho horizon radii from the centre lies at the
    // zenith angle z with tan(z / 2) = rho.
    const double r = projection_.horizonRadiusPx();
    const double east = (pixelCentre.x() - projection_.centreX()) / r;
    const double north = (projection_.centreY() - pixelCentre.y()) / r;
    const double rho2 = east * east + north * north;
    const double up = (1.0 - rho2) / (1.0 + rho2);
    // Along the normal, along the façade toward its right end, as
    // chart::facadeAnglesOf measures them.
    const double horizontal = 2.0 / (1.0 + rho2);
    const double along = (east * sinOrientation_ + north * cosOrientation_) * horizontal;
    const double across = (east * cosOrientation_ - north * sinOrientation_) * horizontal;
    if (up < 0.0 || along <= 0.0) {
        return false;
    }
    const bool right = across >= 0.0;
    const double side = std::abs(across);
    const std::optional<BandTest>& beta = right ? betaRight_ : betaLeft_;
    const std::optional<BandTest>& gamma = right ? gammaRight_ : gammaLeft_;
    return (alpha_ && alpha_->holds(up, along)) || (beta && beta->holds(side, along)) ||
           (gamma && gamma->holds(up, side));
}

double MaskCoverage::shadeAt(QPointF chartPoint) const {
    const int x = truncPx(chartPoint.x());
    const int y = truncPx(chartPoint.y());
    if (!masks_.valid(x, y)) {
        return 0.0;
    }
    const QRgb colour = masks_.pixel(x, y);
    // The colours compared without their alpha byte.
    const bool handDrawn =
        !baseline_.valid(x, y) || ((baseline_.pixel(x, y) ^ colour) & 0x00FFFFFF) != 0;
    if (handDrawn) {
        switch (chart::maskPaintOf(colour)) {
            case chart::MaskPaint::TotalFill:
            case chart::MaskPaint::Line:
                return 1.0;
            case chart::MaskPaint::PartialFill:
                return 0.5;
            case chart::MaskPaint::None:
                break;
        }
    }
    return insideTypedMask({x + 0.5, y + 0.5}) ? 1.0 : 0.0;
}

}  // namespace shading
