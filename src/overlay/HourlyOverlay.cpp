#include "overlay/HourlyOverlay.h"

#include "overlay/DiscBatch.h"
#include "overlay/HalfYear.h"
#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"

namespace overlay {

namespace {

using climate::HourlyValue;

// The value of a line, or why it cannot be read. emptyValue is what an empty
// field stands for.
std::optional<OverlayFailure::Reason> readValue(const climate::HourlyColumn& column,
                                                std::size_t line, double emptyValue,
                                                double& value) {
    if (line >= column.size()) {
        return OverlayFailure::Reason::MissingLine;
    }
    const HourlyValue& field = column[line];
    switch (field.kind) {
        case HourlyValue::Kind::Number:
            value = field.value;
            return std::nullopt;
        case HourlyValue::Kind::Empty:
            value = emptyValue;
            return std::nullopt;
        case HourlyValue::Kind::Missing:
            return OverlayFailure::Reason::MissingField;
        case HourlyValue::Kind::Invalid:
            break;
    }
    return OverlayFailure::Reason::NotANumber;
}

}  // namespace

HourlyReading readHourlyValue(const climate::HourlyColumn& column, int day, double clockTimeHours) {
    const HourlyReadPoint at = readPointFor(day, clockTimeHours);
    HourlyReading reading;
    double v1 = 0.0;
    reading.failedLine = at.line;
    reading.failure = readValue(column, at.line, 0.0, v1);
    if (reading.failure) {
        return reading;
    }
    reading.value = v1;
    if (at.fraction != 0.0 && at.line + 1 < column.size()) {
        double v2 = 0.0;
        reading.failedLine = at.line + 1;
        reading.failure = readValue(column, at.line + 1, v1, v2);
        reading.value = v1 + at.fraction * (v2 - v1);
    }
    return reading;
}

OverlayResult drawHourlyPoints(Canvas& canvas, const chart::ChartGeometry& geometry,
                               const climate::HourlyColumn& column,
                               const HourlyOverlayInputs& inputs) {
    OverlayResult result;
    const auto& times = stepClockTimes();
    const DayRange days = halfYearDays(inputs.periodItem);
    const Quantity q = inputs.quantity;
    std::array<QRgb, kClassCount> colours{};
    for (int c = 1; c <= kClassCount; ++c) {
        colours[static_cast<std::size_t>(c - 1)] = classColour(q, c).rgb();
    }

    {
        // About half of all steps have the sun up.
        const auto steps = static_cast<std::size_t>(days.last - days.first + 1) * kStepsPerDay;
        DiscBatch discs(canvas, steps / 2 + kStepsPerDay);
        result.samples.reserve(steps / 2 + kStepsPerDay);
        for (int day = days.first; day <= days.last && !result.failure; ++day) {
            const SunDay sun(inputs.latitudeDeg, day);
            const double correction =
                sunTimeCorrectionHours(day, inputs.longitudeDeg, inputs.standardMeridianDeg);
            for (int k = 0; k < kStepsPerDay; ++k) {
                const double t = times[static_cast<std::size_t>(k)];
                const HourlyReading reading = readHourlyValue(column, day, t);
                if (!reading.ok()) {
                    result.failure =
                        OverlayFailure{*reading.failure, reading.failedLine, column.size(), day, q};
                    break;
                }

                const int cls = valueClass(q, reading.value);
                if (const auto position = sun.ifAboveHorizon(t + correction, geometry)) {
                    discs.add(position->disc(), colours[static_cast<std::size_t>(cls - 1)], 1);
                    ++result.discsDrawn;
                    result.samples.push_back({day,
                                              t,
                                              position->altitudeDeg,
                                              position->azimuthDeg,
                                              reading.value,
                                              cls,
                                              {position->x, position->y}});
                }
            }
        }
    }

    if (result.discsDrawn > 0) {
        canvas.setPenWidth(1);
    }
    canvas.setPenColor(Qt::white);
    canvas.setBrushColor(Qt::white);
    return result;
}

QString describeOverlayFailure(const OverlayFailure& failure) {
    const QString line = QString::number(failure.lineNumber());
    switch (failure.reason) {
        case OverlayFailure::Reason::MissingLine:
            return QStringLiteral("O arquivo tem %1 linhas, mas o dia %2 precisa da linha %3.")
                .arg(QString::number(failure.lineCount), QString::number(failure.day), line);
        case OverlayFailure::Reason::MissingField:
            return QStringLiteral("A linha %1 não tem o campo %2.")
                .arg(line, QString::number(hourlyField(failure.quantity) + 1));
        case OverlayFailure::Reason::NotANumber:
            break;
    }
    return QStringLiteral("O campo %1 da linha %2 não é um número.")
        .arg(QString::number(hourlyField(failure.quantity) + 1), line);
}

}  // namespace overlay
