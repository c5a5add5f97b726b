#include "wind/RoseLabels.h"

#include "canvas/Truncate.h"
#include "wind/Seasons.h"

namespace wind {

namespace {

const WindModeTexts kSpeedTexts{
    {"Velocidades", "Predominantes", "por Direção"},
    {-1.8, -2.2, -1.7},
    {"m/s", "2", "4", "6", "8", "10"},
    5.0,
};

const WindModeTexts kFrequencyTexts{
    {"Ventos", "Frequência", "de ocorrência"},
    {-1.0, -1.6, -2.0},
    {"%", "10", "20", "30", "40", "50"},
    1.0,
};

constexpr std::array<double, 3> kTitleY{1.0, 0.3, -0.38};

// Top-left text corners compensate for the way each bearing turns the scale:
// the offsets in units added after the turn, per bearing 0, 45, ..., 315.
constexpr std::array<double, 8> kScaleOffsetX{0.0, -0.3, -0.55, -0.6, -0.55, -0.2, 0.1, 0.15};
constexpr std::array<double, 8> kScaleOffsetY{0.0, -0.2, 0.0, 0.25, 0.6, 0.75, 0.55, 0.18};

void write(Canvas& canvas, const QPoint& at, const char* utf8) {
    canvas.textOut(at.x(), at.y(), QString::fromUtf8(utf8));
}

void drawLetters(Canvas& canvas, const WindGeometry& g) {
    canvas.setFontSize(14);
    for (const DirectionLetter& l : directionLetters(g)) {
        write(canvas, l.anchor, l.text);
    }
}

void drawTitle(Canvas& canvas, const WindGeometry& g, const WindModeTexts& texts) {
    canvas.setFontSize(10);
    for (std::size_t line = 0; line < texts.title.size(); ++line) {
        write(canvas, g.toImage(windUnit(texts.titleX[line]), windUnit(kTitleY[line])),
              texts.title[line]);
    }
}

void drawScales(Canvas& canvas, const WindGeometry& g, const WindModeTexts& texts) {
    canvas.setFontSize(8);
    for (int d = 0; d < static_cast<int>(kScaleOffsetX.size()); ++d) {
        const auto anchors = scaleLabelAnchors(g, d);
        for (std::size_t s = 0; s < anchors.size(); ++s) {
            write(canvas, anchors[s], texts.scale[s]);
        }
    }
}

void drawLegend(Canvas& canvas, const WindGeometry& g) {
    struct Row {
        double t1;
        double t2;
    };
    constexpr std::array<Row, kSeasonCount> rows{
        {{3.0, 2.5}, {2.25, 1.75}, {1.5, 1.0}, {0.75, 0.25}}};
    const auto& styles = seasonStyles();
    const double bottom = 2.0 * g.windCentreY;
    const int left = 15;
    const int right = truncPx(15.0 + windUnit(0.75));
    canvas.setPenColor(Qt::black);
    for (std::size_t s = 0; s < rows.size(); ++s) {
        canvas.setBrushColor(QColor::fromRgb(styles[s].fill));
        canvas.rectangle(left, truncPx(bottom - windUnit(rows[s].t1)), right,
                         truncPx(bottom - windUnit(rows[s].t2)));
    }
    canvas.setBrushColor(Qt::white);
    for (std::size_t s = 0; s < rows.size(); ++s) {
        write(canvas, QPoint(truncPx(15.0 + windUnit(1.0)), truncPx(bottom - windUnit(rows[s].t1))),
              styles[s].name);
    }
}

}  // namespace

std::array<DirectionLetter, 8> directionLetters(const WindGeometry& g) {
    const double k = octagonSide();
    auto at = [&](double x, double y) { return g.toImage(windUnit(x), windUnit(y)); };
    return {{
        {"N", at(-0.27, k + 6.5)},
        {"NE", at(5.6, 6.46)},
        {"L", at(k + 6.0, 0.5)},
        {"SE", at(5.6, -5.5)},
        {"S", at(-0.27, -(k + 5.5))},
        {"SO", at(-6.8, -5.5)},
        {"O", at(-(k + 6.6), 0.5)},
        {"NO", at(-6.8, 6.46)},
    }};
}

std::array<QPoint, 6> scaleLabelAnchors(const WindGeometry& g, int direction) {
    const double k = octagonSide();
    // Designed along north: the unit beside the frame's middle, each value a
    // third of a unit above the unit line it names.
    const std::array<QPoint, 6> designed{
        QPoint(unitPx(-2.7), unitPx(k + 2.8)),  QPoint(unitPx(-1.65), unitPx(k + 1.3)),
        QPoint(unitPx(-1.65), unitPx(k + 2.3)), QPoint(unitPx(-1.65), unitPx(k + 3.3)),
        QPoint(unitPx(-1.65), unitPx(k + 4.3)), QPoint(unitPx(-1.65), unitPx(k + 5.3)),
    };
    const auto d = static_cast<std::size_t>(direction) % kScaleOffsetX.size();
    const BearingTurn turn(45.0 * static_cast<double>(d));
    std::array<QPoint, 6> anchors;
    for (std::size_t s = 0; s < designed.size(); ++s) {
        double x = 0.0;
        double y = 0.0;
        turn.turn(designed[s].x(), designed[s].y(), x, y);
        x += windUnit(kScaleOffsetX[d]);
        y += windUnit(kScaleOffsetY[d]);
        anchors[s] = g.toImage(truncPx(x), truncPx(y));
    }
    return anchors;
}

WindMode windModeFromItem(int itemIndex) {
    return itemIndex == 0 ? WindMode::PredominantSpeeds : WindMode::Frequencies;
}

const WindModeTexts& windModeTexts(WindMode mode) {
    return mode == WindMode::PredominantSpeeds ? kSpeedTexts : kFrequencyTexts;
}

void drawWindLabels(Canvas& canvas, const WindGeometry& geometry, int modeItem) {
    const WindModeTexts& texts = windModeTexts(windModeFromItem(modeItem));
    canvas.setBrushColor(Qt::white);
    canvas.setFontBold(true);
    // The wind image is written in black only; set it rather than trust what
    // an earlier drawing left.
    canvas.setFontColor(Qt::black);
    drawLetters(canvas, geometry);
    drawTitle(canvas, geometry, texts);
    drawScales(canvas, geometry, texts);
    drawLegend(canvas, geometry);
}

}  // namespace wind
