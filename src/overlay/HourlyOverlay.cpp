#include "overlay/HourlyOverlay.h"

#include "overlay/DiscBatch.h"
#include "overlay/HalfYear.h"
#include "overlay/SunPosition.h"
#include "overlay/SunSteps.h"
#include "overlay/TimeSteps.h"

#include <algorithm>
#include <array>

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

// Where each step of a day reads: its line's offset from the day's first line
// and the fraction towards the next line, the same every day.
struct StepRead {
    std::size_t lineOffset = 0;
    double fraction = 0.0;
};

const std::array<StepRead, kStepsPerDay>& stepReads() {
    static const std::array<StepRead, kStepsPerDay> reads = [] {
        std::array<StepRead, kStepsPerDay> r{};
        const auto& times = stepClockTimes();
        for (std::size_t k = 0; k < r.size(); ++k) {
            const HourlyReadPoint at = readPointFor(1, times[k]);
            r[k] = {at.line, at.fraction};
        }
        return r;
    }();
    return reads;
}

bool holdsValue(const climate::HourlyValue& field) {
    return field.kind == HourlyValue::Kind::Number || field.kind == HourlyValue::Kind::Empty;
}

// Whether every line the day's steps read holds a value: its 24 lines and
// the next one, when the file has it, which the last step interpolates
// towards.
bool dayReadable(const climate::HourlyColumn& column, std::size_t firstLine) {
    if (firstLine + kHoursPerDay > column.size()) {
        return false;
    }
    const std::size_t end = std::min(firstLine + kHoursPerDay + 1, column.size());
    for (std::size_t line = firstLine; line < end; ++line) {
        if (!holdsValue(column[line])) {
            return false;
        }
    }
    return true;
}

// readHourlyValue on a line known to hold a value, and its next line too
// when the file has one.
double readableValue(const climate::HourlyColumn& column, std::size_t line, double fraction) {
    const HourlyValue& first = column[line];
    const double v1 = first.kind == HourlyValue::Kind::Number ? first.value : 0.0;
    if (fraction == 0.0 || line + 1 >= column.size()) {
        return v1;
    }
    const HourlyValue& next = column[line + 1];
    const double v2 = next.kind == HourlyValue::Kind::Number ? next.value : v1;
    return v1 + fraction * (v2 - v1);
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
    const auto& reads = stepReads();
    const DayRange days = halfYearDays(inputs.periodItem);
    const Quantity q = inputs.quantity;
    std::array<QRgb, kClassCount> colours{};
    for (int c = 1; c <= kClassCount; ++c) {
        colours[static_cast<std::size_t>(c - 1)] = classColour(q, c).rgb();
    }

    DiscBatch discs(canvas);
    // A disc on the chart is three pixels square: its kind in each class's
    // colour, found once.
    constexpr int kDiscSide = 3;
    std::array<std::optional<std::size_t>, kClassCount> discKinds{};
    for (std::size_t c = 0; c < discKinds.size(); ++c) {
        if ((colours[c] & 0xFFFFFF) != 0xFFFFFF) {
            discKinds[c] = discs.kindOf(kDiscSide, kDiscSide, 1, colours[c]);
        }
    }
    SunSteps sun(inputs.latitudeDeg, geometry);
    // About half of all steps have the sun up.
    const auto steps = static_cast<std::size_t>(days.last - days.first + 1) * kStepsPerDay;
    result.samples.reserve(steps / 2 + kStepsPerDay);
    const auto draw = [&](const SunPosition& position, int day, double t, double value) {
        const int cls = valueClass(q, value);
        const auto c = static_cast<std::size_t>(cls - 1);
        const DiscBox box = position.disc();
        if (discKinds[c] && box.right - box.left == kDiscSide && box.bottom - box.top == kDiscSide) {
            discs.add(box, *discKinds[c]);
        } else {
            discs.add(box, colours[c], 1);
        }
        ++result.discsDrawn;
        result.samples.push_back({day,
                                  t,
                                  position.altitudeDeg,
                                  position.azimuthDeg,
                                  value,
                                  cls,
                                  {position.x, position.y}});
    };
    for (int day = days.first; day <= days.last && !result.failure; ++day) {
        sun.setDay(day, sunTimeCorrectionHours(day, inputs.longitudeDeg, inputs.standardMeridianDeg));
        const std::size_t firstLine =
            static_cast<std::size_t>(kHoursPerDay) * static_cast<std::size_t>(day - 1);
        if (dayReadable(column, firstLine)) {
            // No step can fail: values are read only where a disc is drawn.
            for (int k = 0; k < kStepsPerDay; ++k) {
                if (const auto position = sun.ifAboveHorizon(k)) {
                    const StepRead& at = reads[static_cast<std::size_t>(k)];
                    draw(*position, day, times[static_cast<std::size_t>(k)],
                         readableValue(column, firstLine + at.lineOffset, at.fraction));
                }
            }
            continue;
        }
        // Every step reads, the sun up or not, and the first that cannot
        // read stops the drawing.
        for (int k = 0; k < kStepsPerDay; ++k) {
            const double t = times[static_cast<std::size_t>(k)];
            const HourlyReading reading = readHourlyValue(column, day, t);
            if (!reading.ok()) {
                result.failure =
                    OverlayFailure{*reading.failure, reading.failedLine, column.size(), day, q};
                break;
            }
            if (const auto position = sun.ifAboveHorizon(k)) {
                draw(*position, day, t, reading.value);
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
