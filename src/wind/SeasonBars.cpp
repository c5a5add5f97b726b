#include "wind/SeasonBars.h"

#include "canvas/Truncate.h"
#include "wind/Seasons.h"

namespace wind {

namespace {

// The column edges of the four seasons, in units across the direction.
constexpr std::array<std::array<double, 2>, 4> kColumns{{
    {-1.0, -0.5},
    {-0.5, 0.0},
    {0.0, 0.5},
    {0.5, 1.0},
}};

long long cross(const QPoint& a, const QPoint& b, const QPoint& p) {
    return static_cast<long long>(b.x() - a.x()) * (p.y() - a.y()) -
           static_cast<long long>(b.y() - a.y()) * (p.x() - a.x());
}

}  // namespace

double barLengthUnits(double value) {
    return value * 2.0 * 0.01 * 5.0;
}

bool BarOutline::seedInside() const {
    // Strictly on the inner side of all four edges, whichever way round the
    // outline runs (a negative value turns it over).
    int positive = 0;
    int negative = 0;
    for (std::size_t e = 0; e < corners.size(); ++e) {
        const long long c = cross(corners[e], corners[(e + 1) % corners.size()], seed);
        positive += c > 0 ? 1 : 0;
        negative += c < 0 ? 1 : 0;
    }
    return positive == 4 || negative == 4;
}

std::array<BarOutline, 4> seasonBarOutlines(const WindGeometry& geometry, double bearingDeg,
                                            double p, double v, double o, double i) {
    const double k = octagonSide();
    const std::array<double, 4> lengths{barLengthUnits(p), barLengthUnits(v), barLengthUnits(o),
                                        barLengthUnits(i)};
    const BearingTurn turn(bearingDeg);
    auto place = [&](double xUnits, double yUnits) {
        const QPoint designed(unitPx(xUnits), unitPx(yUnits));
        const QPoint turned = turn.turnTruncated(designed);
        return geometry.toImage(turned.x(), turned.y());
    };

    std::array<BarOutline, 4> bars;
    for (std::size_t s = 0; s < bars.size(); ++s) {
        const double x1 = kColumns[s][0];
        const double x2 = kColumns[s][1];
        const double length = lengths[s];
        bars[s].corners = {place(x1, k), place(x1, k + length), place(x2, k + length),
                           place(x2, k)};
        bars[s].seed = place(x1 + 0.25, length * 0.5 + k);
    }
    return bars;
}

void drawSeasonBars(Canvas& canvas, const WindGeometry& geometry, double bearingDeg, double p,
                    double v, double o, double i) {
    const auto bars = seasonBarOutlines(geometry, bearingDeg, p, v, o, i);
    const auto& styles = seasonStyles();
    canvas.setPenColor(Qt::black);
    for (std::size_t s = 0; s < bars.size(); ++s) {
        const auto& c = bars[s].corners;
        canvas.moveTo(c[0].x(), c[0].y());
        canvas.lineTo(c[1].x(), c[1].y());
        canvas.lineTo(c[2].x(), c[2].y());
        canvas.lineTo(c[3].x(), c[3].y());
        canvas.lineTo(c[0].x(), c[0].y());
        canvas.setBrushColor(QColor::fromRgb(styles[s].fill));
        // Without an inside the fill would flood the whole image.
        if (bars[s].seedInside()) {
            canvas.floodFill(bars[s].seed.x(), bars[s].seed.y(), Qt::black);
        }
    }
}

}  // namespace wind
