#include "wind/RoseFrames.h"

#include <vector>

namespace wind {

namespace {

const QColor kSilver{192, 192, 192};

void segment(Canvas& canvas, const WindGeometry& g, const QPoint& from, const QPoint& to) {
    const QPoint a = g.toImage(from.x(), from.y());
    const QPoint b = g.toImage(to.x(), to.y());
    canvas.moveTo(a.x(), a.y());
    canvas.lineTo(b.x(), b.y());
}

void drawFrame(Canvas& canvas, const WindGeometry& g, const WindFrameTemplate& f) {
    canvas.setPenColor(kSilver);
    for (std::size_t i = 10; i < f.size(); i += 2) {
        segment(canvas, g, f[i], f[i + 1]);
    }
    canvas.setPenColor(Qt::black);
    canvas.setBrushColor(Qt::black);
    const QPoint start = g.toImage(f[0].x(), f[0].y());
    canvas.moveTo(start.x(), start.y());
    for (std::size_t i : {1u, 2u, 3u, 0u}) {
        const QPoint p = g.toImage(f[i].x(), f[i].y());
        canvas.lineTo(p.x(), p.y());
    }
    for (std::size_t i = 4; i < 10; i += 2) {
        segment(canvas, g, f[i], f[i + 1]);
    }
}

}  // namespace

WindFrameTemplate northFrameTemplate() {
    const double k = octagonSide();
    WindFrameTemplate f;
    auto at = [](double x, double y) { return QPoint(unitPx(x), unitPx(y)); };
    f[0] = at(-1.0, k);
    f[1] = at(-1.0, k + 5.0);
    f[2] = at(1.0, k + 5.0);
    f[3] = at(1.0, k);
    const std::array<double, 3> dividers{-0.5, 0.0, 0.5};
    for (std::size_t d = 0; d < dividers.size(); ++d) {
        f[4 + 2 * d] = at(dividers[d], k);
        f[5 + 2 * d] = at(dividers[d], k + 5.0);
    }
    for (std::size_t g = 0; g < 9; ++g) {
        const double t = 0.5 * static_cast<double>(g + 1);
        f[10 + 2 * g] = at(-1.0, k + t);
        f[11 + 2 * g] = at(1.0, k + t);
    }
    return f;
}

void drawWindOctagon(Canvas& canvas, const WindGeometry& geometry) {
    const double k = octagonSide();
    const std::array<std::array<double, 2>, 9> vertices{{
        {1.0, k},
        {k, 1.0},
        {k, -1.0},
        {1.0, -k},
        {-1.0, -k},
        {-k, -1.0},
        {-k, 1.0},
        {-1.0, k},
        {1.0, k},
    }};
    std::vector<QPoint> points;
    points.reserve(vertices.size());
    for (const auto& v : vertices) {
        points.push_back(geometry.toImage(windUnit(v[0]), windUnit(v[1])));
    }
    canvas.setPenColor(Qt::black);
    canvas.polyline(points);
}

WindFrameTemplate drawNorthFrame(Canvas& canvas, const WindGeometry& geometry) {
    const WindFrameTemplate f = northFrameTemplate();
    drawFrame(canvas, geometry, f);
    return f;
}

void drawRotatedFrames(Canvas& canvas, const WindGeometry& geometry,
                       const WindFrameTemplate& windFrameTemplate) {
    for (int bearing = 45; bearing <= 315; bearing += 45) {
        const BearingTurn turn(bearing);
        WindFrameTemplate turned;
        for (std::size_t i = 0; i < turned.size(); ++i) {
            turned[i] = turn.turnTruncated(windFrameTemplate[i]);
        }
        drawFrame(canvas, geometry, turned);
    }
}

}  // namespace wind
