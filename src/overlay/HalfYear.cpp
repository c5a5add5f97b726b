#include "overlay/HalfYear.h"

namespace overlay {

namespace {
constexpr std::array<int, 6> kFirstHalfPathDates{21, 54, 81, 107, 141, 172};
constexpr std::array<int, 6> kSecondHalfPathDates{172, 205, 240, 266, 293, 326};
}  // namespace

DayRange halfYearDays(int periodItem) {
    return periodItem == 0 ? DayRange{1, 171} : DayRange{172, 365};
}

const char* halfYearName(int periodItem) {
    return periodItem == 0 ? "até 21 de Junho" : "após 21 de Junho";
}

const std::array<int, 6>& pathDates(int periodItem) {
    return periodItem == 0 ? kFirstHalfPathDates : kSecondHalfPathDates;
}

int hourLabelDate(int periodItem) {
    return periodItem == 0 ? 21 : 326;
}

}  // namespace overlay
