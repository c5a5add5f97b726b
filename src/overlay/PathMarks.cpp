#include "overlay/PathMarks.h"

#include "canvas/Truncate.h"
#include "overlay/DiscBatch.h"
#include "overlay/HalfYear.h"
#include "overlay/SunPosition.h"
#include "overlay/TimeSteps.h"

#include <algorithm>

namespace overlay {

namespace {
constexpr QRgb kBlack = 0x000000;
}  // namespace

void drawPathMarks(Canvas& canvas, const chart::ChartGeometry& geometry,
                   const PathMarksInputs& inputs) {
    canvas.setPenColor(Qt::white);
    canvas.setBrushColor(Qt::white);
    if (!inputs.ckTrajetoria) {
        return;
    }
    const auto& times = stepClockTimes();
    const DayRange days = halfYearDays(inputs.periodItem);
    const auto& dates = pathDates(inputs.periodItem);
    const int labelDate = hourLabelDate(inputs.periodItem);
    int lastPenWidth = 0;

    {
        DiscBatch discs(canvas);
        for (int day = days.first; day <= days.last; ++day) {
            const bool onPath = std::find(dates.begin(), dates.end(), day) != dates.end();
            const SunDay sun(inputs.latitudeDeg, day);
            for (int k = 0; k < kStepsPerDay; ++k) {
                const bool wholeHour = isWholeHourStep(k);
                if (!wholeHour && !onPath) {
                    continue;  // such a step draws nothing
                }
                const auto position =
                    sun.ifAboveHorizon(times[static_cast<std::size_t>(k)], geometry);
                if (!position) {
                    continue;
                }
                if (wholeHour) {
                    if (day == labelDate) {
                        // Before noon the number stands left of its disc, at
                        // noon centred under it, after noon to its right.
                        const double shift = k < kNoonStep ? 10.0 : (k == kNoonStep ? 5.0 : 0.0);
                        discs.flush();
                        canvas.setBrushColor(Qt::white);
                        canvas.setFontBold(true);
                        canvas.setFontSize(8);
                        canvas.setFontColor(Qt::black);
                        canvas.textOut(truncPx(position->x - shift), truncPx(position->y + 10.0),
                                       QString::number(hourOfStep(k)));
                    }
                    discs.add(position->disc(), kBlack, 1);
                    lastPenWidth = 1;
                }
                if (onPath) {
                    discs.add(position->disc(), kBlack, 2);
                    lastPenWidth = 2;
                }
            }
        }
    }

    if (lastPenWidth > 0) {
        canvas.setPenWidth(lastPenWidth);
    }
    canvas.setPenColor(Qt::white);
    canvas.setBrushColor(Qt::white);
}

}  // namespace overlay
