#include "overlay/TimeSteps.h"

#include <cmath>

namespace overlay {

const std::array<double, kStepsPerDay>& stepClockTimes() {
    static const std::array<double, kStepsPerDay> times = [] {
        std::array<double, kStepsPerDay> t{};
        double time = 0.0;
        for (int k = 0; k < kStepsPerDay; ++k) {
            if (k == kNoonStep) {
                time += 0.01;
            } else if (k == kNoonStep + 1) {
                time -= 0.01;
            }
            t[static_cast<std::size_t>(k)] = time;
            time += 0.1;
        }
        return t;
    }();
    return times;
}

HourlyReadPoint readPointFor(int day, double clockTimeHours) {
    const double whole = std::floor(clockTimeHours);
    HourlyReadPoint point;
    point.line = static_cast<std::size_t>(kHoursPerDay) * static_cast<std::size_t>(day - 1) +
                 static_cast<std::size_t>(whole);
    point.fraction = clockTimeHours - whole;
    return point;
}

}  // namespace overlay
