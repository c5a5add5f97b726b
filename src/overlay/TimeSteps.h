// The clock times at which a day of hourly data is sampled, and where in the
// hourly file each of them is read.
//
// A day is walked in 231 steps, nominally k / 10 hours (0.0 to 23.0), the noon
// step moved to 12.01 h. The time is one double accumulated over the day
// (+0.01 before step 120, -0.01 before step 121, +0.1 after every step), so it
// drifts from k / 10 by rounding: 0.9999999999999999 at step 10, for instance.
// The drift is kept on purpose: it decides which line a step reads and with
// which fraction, and the overlay's pictures depend on it. Whole hours are
// told by the step number, never by the time.
#pragma once

#include <array>
#include <cstddef>

namespace overlay {

inline constexpr int kStepsPerDay = 231;
inline constexpr int kNoonStep = 120;
inline constexpr int kHoursPerDay = 24;

// The accumulated clock time of every step, in hours; the same every day.
const std::array<double, kStepsPerDay>& stepClockTimes();

constexpr bool isWholeHourStep(int step) {
    return step % 10 == 0;
}
// The hour a whole-hour step names (the noon step, at 12.01 h, names 12).
constexpr int hourOfStep(int step) {
    return step / 10;
}

// Where the value of a clock time is read: the line of the hourly file (from
// 0; line 24 (n - 1) + h holds hour h of day n) and the fraction of the way
// to the next line. Computed in integers, so that a time just below a whole
// hour reads the previous hour's line with a fraction just below 1.
struct HourlyReadPoint {
    std::size_t line = 0;
    double fraction = 0.0;
};
HourlyReadPoint readPointFor(int day, double clockTimeHours);

}  // namespace overlay
