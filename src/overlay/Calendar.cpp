#include "overlay/Calendar.h"

#include <algorithm>
#include <array>

namespace overlay {

namespace {

constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<const char*, 12> kMonthNames{"Jan", "Fev", "Mar", "Abr", "Mai", "Jun",
                                                  "Jul", "Ago", "Set", "Out", "Nov", "Dez"};

}  // namespace

std::optional<int> dayOfYear(int day, int month) {
    if (month < 1 || month > 12 || day < 1 ||
        day > kMonthLengths[static_cast<std::size_t>(month - 1)]) {
        return std::nullopt;
    }
    int n = day;
    for (int m = 1; m < month; ++m) {
        n += kMonthLengths[static_cast<std::size_t>(m - 1)];
    }
    return n;
}

CalendarDate dateOfDay(int dayOfYear) {
    int rest = std::clamp(dayOfYear, 1, kDaysInYear);
    int month = 1;
    for (const int length : kMonthLengths) {
        if (rest <= length) {
            break;
        }
        rest -= length;
        ++month;
    }
    return {rest, month};
}

QString dateLabel(int dayOfYear) {
    const CalendarDate date = dateOfDay(dayOfYear);
    return QStringLiteral("%1 %2").arg(date.day).arg(
        QLatin1String(kMonthNames[static_cast<std::size_t>(date.month - 1)]));
}

}  // namespace overlay
