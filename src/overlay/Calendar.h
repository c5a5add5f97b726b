// Days of the overlay's year: 365 days, 1 January is day 1, no leap day (the
// hourly files hold 8760 hours). The readouts name a day as the path labels
// do, "21 Jan".
#pragma once

#include <QString>

#include <optional>

namespace overlay {

inline constexpr int kDaysInYear = 365;

struct CalendarDate {
    int day = 1;
    int month = 1;  // 1 January ... 12 December
};

// The day of the year of a date, or nothing when the date does not exist in
// a 365-day year (29/2, 31/4, month 13, ...).
std::optional<int> dayOfYear(int day, int month);
// The date of a day of the year (1 to 365).
CalendarDate dateOfDay(int dayOfYear);
// "21 Jan", "22 Dez": the day and the month's Portuguese abbreviation.
QString dateLabel(int dayOfYear);

}  // namespace overlay
