#include "overlay/PathLabels.h"

#include "canvas/Truncate.h"
#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"

namespace overlay {

namespace {

const QColor kHourBlue{0, 0, 255};

void writeAt(Canvas& canvas, double x, double y, const QString& text) {
    canvas.textOut(truncPx(x), truncPx(y), text);
}

}  // namespace

std::array<QString, 12> pathDateLabels(bool ckPontos, int periodItem) {
    std::array<QString, 12> labels{
        QStringLiteral("21 Jan"), QStringLiteral("23 Fev"), QStringLiteral("21 Mar"),
        QStringLiteral("16 Abr"), QStringLiteral("21 Mai"), QStringLiteral("22 Jun"),
        QStringLiteral("24 Jul"), QStringLiteral("28 Ago"), QStringLiteral("23 Set"),
        QStringLiteral("20 Out"), QStringLiteral("22 Nov"), QStringLiteral("22 Dez")};
    if (ckPontos) {
        for (std::size_t i = 0; i < 5; ++i) {
            if (periodItem == 0) {
                labels[10 - i] = labels[i];
            } else {
                labels[i] = labels[10 - i];
            }
        }
    }
    return labels;
}

void drawPathLabels(Canvas& canvas, const chart::ChartGeometry& geometry,
                    const PathLabelsInputs& inputs) {
    canvas.setPenColor(Qt::white);
    canvas.setBrushColor(Qt::white);
    if (!inputs.ckTrajetoria) {
        return;
    }
    const auto labels = pathDateLabels(inputs.ckPontos, inputs.periodItem);
    const auto& times = stepClockTimes();

    for (std::size_t j = 0; j < kLabelledPathDays.size(); ++j) {
        const int day = kLabelledPathDays[j];
        const SunDay sun(inputs.latitudeDeg, day);
        int stepsUp = 0;
        for (int k = 0; k < kStepsPerDay; ++k) {
            const auto position = sun.ifAboveHorizon(times[static_cast<std::size_t>(k)], geometry);
            if (!position) {
                continue;
            }
            const double x = position->x;
            const double y = position->y;
            const double mirroredX = position->mirrored(geometry).x();
            if (day == 21 && isWholeHourStep(k)) {
                const double shift = k < kNoonStep ? 10.0 : (k == kNoonStep ? 5.0 : 0.0);
                canvas.setBrushColor(Qt::white);
                canvas.setFontBold(true);
                canvas.setFontSize(8);
                canvas.setFontColor(kHourBlue);
                writeAt(canvas, x - shift, y + 10.0, QString::number(hourOfStep(k)));
            }
            ++stepsUp;
            if (stepsUp != 1) {
                continue;
            }
            // Sunrise: the path meets the horizon in the east here, and in the
            // west at the mirror point across the north-south line.
            canvas.setBrushColor(Qt::white);
            canvas.setFontBold(false);
            canvas.setFontSize(8);
            canvas.setFontColor(Qt::black);
            if (j == 2) {
                // The equinox labels would sit on the east-west axis; they go
                // above it.
                writeAt(canvas, x + 5.0, y - 20.0, labels[2]);
                writeAt(canvas, mirroredX - 37.0, y - 20.0, labels[8]);
                continue;
            }
            writeAt(canvas, x + 7.0, y - 7.0, labels[j]);
            writeAt(canvas, mirroredX - 40.0, y - 7.0, labels[10 - j]);
            if (j == 0) {
                writeAt(canvas, x + 5.0, y + 7.0, labels[11]);
                writeAt(canvas, mirroredX - 37.0, y + 7.0, labels[11]);
            }
        }
    }
    canvas.setPenColor(Qt::white);
    canvas.setBrushColor(Qt::white);
}

}  // namespace overlay
