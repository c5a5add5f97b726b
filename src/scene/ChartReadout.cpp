#include "scene/ChartReadout.h"

#include "chart/FacadeAngles.h"
#include "chart/MaskRegions.h"
#include "math/numbers.h"
#include "overlay/Calendar.h"
#include "overlay/SunPosition.h"
#include "overlay/SunThrough.h"
#include "overlay/ValueClasses.h"
#include "scene/ReadoutText.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

// The grid's cells are as wide as the reach, so a point's discs lie in the
// three by three cells around its own.
constexpr double kCellPx = kDiscReachPx;

int cellIndex(double coordinate, int count) {
    // Points left of or above the chart fall into its first cells. A division
    // and a floor here would double the lookup's preparation.
    if (!(coordinate > 0.0)) {
        return 0;
    }
    return std::min(static_cast<int>(coordinate * (1.0 / kCellPx)), count - 1);
}

const QString kDegree = QStringLiteral("°");

QString degrees(double value) {
    return oneDecimal(value) + kDegree;
}

QString referenceName(chart::AngleReference reference) {
    return reference == chart::AngleReference::Interna ? QStringLiteral("interna")
                                                       : QStringLiteral("externa");
}

// The typed masks whose region holds the direction in front of the façade.
QStringList typedMasksCovering(const chart::ChartInputs& in, const chart::FacadeAngles& angles) {
    const chart::MasksCovering covering =
        chart::typedMasksCovering(chart::typedMasksOf(in), angles);
    QStringList names;
    if (covering.alpha) {
        names << QStringLiteral("alfa");
    }
    if (covering.beta) {
        names << QStringLiteral("beta ") + sideName(angles.side);
    }
    if (covering.gamma) {
        names << QStringLiteral("gama ") + sideName(angles.side);
    }
    return names;
}

QString unitOf(overlay::Quantity quantity) {
    return quantity == overlay::Quantity::Temperature ? QStringLiteral("°C")
                                                      : QStringLiteral("W/m²");
}

}  // namespace

QString ReadoutLines::text() const {
    return isEmpty() ? QString() : QStringList{sky, sun, disc, facade}.join(u'\n');
}

ChartReadout::ChartReadout(const ChartScene& scene, const Canvas* masks)
    : scene_(&scene), masks_(masks) {
    const chart::ChartGeometry& g = scene.geometry;
    columns_ = std::max(1, static_cast<int>(std::ceil(2.0 * g.chartCentreX / kCellPx)));
    rows_ = std::max(1, static_cast<int>(std::ceil(2.0 * g.chartCentreY / kCellPx)));
    const std::vector<overlay::SunSample>& discs = scene.sunPositions;
    std::vector<int> cellOf(discs.size());
    cellStart_.assign(static_cast<std::size_t>(columns_ * rows_) + 1, 0);
    for (std::size_t i = 0; i < discs.size(); ++i) {
        cellOf[i] = cellIndex(discs[i].pixel.y(), rows_) * columns_ +
                    cellIndex(discs[i].pixel.x(), columns_);
        ++cellStart_[static_cast<std::size_t>(cellOf[i]) + 1];
    }
    for (std::size_t c = 1; c < cellStart_.size(); ++c) {
        cellStart_[c] += cellStart_[c - 1];
    }
    cellItems_.resize(discs.size());
    std::vector<int> next(cellStart_.begin(), cellStart_.end() - 1);
    for (std::size_t i = 0; i < discs.size(); ++i) {
        cellItems_[static_cast<std::size_t>(next[static_cast<std::size_t>(cellOf[i])]++)] =
            static_cast<int>(i);
    }
}

const overlay::SunSample* ChartReadout::nearestDisc(QPointF point) const {
    if (!scene_ || cellItems_.empty()) {
        return nullptr;
    }
    const std::vector<overlay::SunSample>& discs = scene_->sunPositions;
    const int left = cellIndex(point.x() - kDiscReachPx, columns_);
    const int right = cellIndex(point.x() + kDiscReachPx, columns_);
    const int top = cellIndex(point.y() - kDiscReachPx, rows_);
    const int bottom = cellIndex(point.y() + kDiscReachPx, rows_);
    int best = -1;
    double bestSquare = kDiscReachPx * kDiscReachPx;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const auto cell = static_cast<std::size_t>(row * columns_ + column);
            for (int k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
                const int i = cellItems_[static_cast<std::size_t>(k)];
                const QPointF d = discs[static_cast<std::size_t>(i)].pixel - point;
                const double square = d.x() * d.x() + d.y() * d.y();
                if (square < bestSquare || (square == bestSquare && i > best)) {
                    bestSquare = square;
                    best = i;
                }
            }
        }
    }
    return best < 0 ? nullptr : &discs[static_cast<std::size_t>(best)];
}

ReadoutLines ChartReadout::at(QPoint pixel) const {
    ReadoutLines lines;
    if (!scene_) {
        return lines;
    }
    const QPointF centre(pixel.x() + 0.5, pixel.y() + 0.5);
    const chart::SkyDirection sky = scene_->projection().toSky(centre);
    if (sky.altitudeDeg < 0.0) {
        return lines;
    }
    lines.sky = QStringLiteral("Altitude %1   Azimute %2")
                    .arg(degrees(sky.altitudeDeg), azimuthOneDecimal(sky.azimuthDeg) + kDegree);
    lines.sun = sunLine(sky);
    lines.disc = discLine(centre);
    lines.facade = facadeLine(sky, pixel);
    return lines;
}

QString ChartReadout::sunLine(const chart::SkyDirection& sky) const {
    const overlay::SunThrough sun = overlay::sunThrough(sky, scene_->inputs.latitudeDeg);
    if (!overlay::withinDatePaths(sun.declinationDeg)) {
        return QStringLiteral("Sol: não passa por este ponto nesta latitude");
    }
    const std::array<int, 2> days = overlay::daysOfDeclination(sun.declinationDeg);
    QString line = QStringLiteral("Sol: declinação %1, %2 / %3, %4 hora solar")
                       .arg(degrees(sun.declinationDeg), overlay::dateLabel(days[0]),
                            overlay::dateLabel(days[1]), clockText(sun.sunTimeHours));
    const std::optional<climate::CityIndexEntry>& city = scene_->city;
    if (city && city->timeZoneHours) {
        if (const std::optional<double> longitude = math::parseNumber(city->longitude)) {
            const double meridian = climate::standardMeridianDegWest(city->timeZoneHours);
            auto clock = [&](int day) {
                return clockText(sun.sunTimeHours -
                                 overlay::sunTimeCorrectionHours(day, *longitude, meridian));
            };
            line += QStringLiteral(", %1 / %2 hora legal").arg(clock(days[0]), clock(days[1]));
        }
    }
    return line;
}

QString ChartReadout::discLine(QPointF point) const {
    if (!scene_->overlay) {
        return {};
    }
    const overlay::SunSample* disc = nearestDisc(point);
    if (!disc) {
        return {};
    }
    const overlay::Quantity quantity = scene_->overlay->quantity;
    const char* caption =
        overlay::quantityClasses(quantity).captions[static_cast<std::size_t>(disc->valueClass - 1)];
    return QStringLiteral("Ponto de %1, %2: %3 %4, classe %5 (%6)")
        .arg(overlay::dateLabel(disc->day), clockText(disc->clockTimeHours),
             oneDecimal(disc->value), unitOf(quantity), QString::number(disc->valueClass),
             QString::fromUtf8(caption));
}

QString ChartReadout::facadeLine(const chart::SkyDirection& sky, QPoint pixel) const {
    const chart::ChartInputs& in = scene_->inputs;
    if (!in.protractor || !in.orientation.isNumber()) {
        return {};
    }
    const double orientation = in.orientation.value();
    const chart::FacadeAngles angles = chart::facadeAnglesOf(sky, orientation);
    if (!angles.inFront) {
        return QStringLiteral("Transferidor: atrás da fachada");
    }
    const TypedFacadeAngles typed = typedFacadeAngles(angles, in.reference);
    QStringList covering = typedMasksCovering(in, angles);
    const chart::MaskPaint under = masks_ && masks_->image().valid(pixel)
                                       ? chart::maskPaintOf(masks_->image().pixel(pixel))
                                       : chart::MaskPaint::None;
    if (under == chart::MaskPaint::TotalFill) {
        covering << QStringLiteral("preenchimento total");
    } else if (under == chart::MaskPaint::PartialFill) {
        covering << QStringLiteral("preenchimento parcial");
    }
    QString masks = covering.isEmpty()
                        ? QStringLiteral("não cobre")
                        : QStringLiteral("cobre (%1)").arg(covering.join(QStringLiteral(", ")));
    if (under == chart::MaskPaint::Line) {
        masks += QStringLiteral("; sobre uma linha da máscara");
    }
    const QString side = sideName(angles.side);
    return QStringLiteral("Transferidor (%1): alfa %2, beta %3 %4, gama %5 %6; máscara: %7")
        .arg(referenceName(in.reference), degrees(typed.alphaDeg), degrees(typed.betaDeg), side,
             degrees(typed.gammaDeg), side, masks);
}

}  // namespace scene
