// The two halves of the year the overlay shows, and their characteristic
// dates. Days are numbered 1 to 365 from 1 January. A half-year is named by
// the item index of the half-year list: 0 is "até 21 de Junho" (days 1 to
// 171), any other item "após 21 de Junho" (days 172 to 365).
#pragma once

#include <array>

namespace overlay {

struct DayRange {
    int first = 1;
    int last = 1;
};

DayRange halfYearDays(int periodItem);

// The item text of the half-year list, UTF-8.
const char* halfYearName(int periodItem);

// The six dates whose paths the path marks trace, in ascending order.
const std::array<int, 6>& pathDates(int periodItem);

// The date along whose path the path marks number the hours.
int hourLabelDate(int periodItem);

}  // namespace overlay
