#include "climate/YearOfHours.h"

#include "climate/ClimateErrors.h"
#include "math/numbers.h"

namespace climate {

namespace {

int daysInMonth(int month, bool leap) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap ? 29 : lengths[month - 1];
}

// The hour after `stamp`; month 13 past the end of the year.
HourStamp following(HourStamp stamp, bool leap) {
    if (++stamp.hour > 24) {
        stamp.hour = 1;
        if (++stamp.day > daysInMonth(stamp.month, leap)) {
            stamp.day = 1;
            ++stamp.month;
        }
    }
    return stamp;
}

}  // namespace

int stampField(std::string_view text, const char* what, const QString& path, int line) {
    const auto value = math::parseInteger(text);
    if (!value || *value < -1000 || *value > 1000) {
        throw FormatError(std::string("o campo ") + what + " '" + std::string(text) +
                              "' não é um número inteiro.",
                          path, line);
    }
    return static_cast<int>(*value);
}

std::string describe(const HourStamp& stamp) {
    return std::to_string(stamp.day) + "/" + std::to_string(stamp.month) + ", hora " +
           std::to_string(stamp.hour);
}

void YearOfHours::requireRoom(const QString& path, int line) const {
    if (complete()) {
        throw FormatError("o ano termina no registro de 31/12, hora 24, na linha anterior.", path,
                          line);
    }
}

bool YearOfHours::next(const HourStamp& stamp, const QString& path, int line) {
    requireRoom(path, line);
    if (expected_ == HourStamp{3, 1, 1} && stamp == HourStamp{2, 29, 1}) {
        leap_ = true;
        expected_ = stamp;
    }
    if (stamp != expected_) {
        throw FormatError("o registro é de " + describe(stamp) + "; no seu lugar do ano " +
                              "deveria estar o de " + describe(expected_) + ".",
                          path, line);
    }
    expected_ = following(expected_, leap_);
    return !(stamp.month == 2 && stamp.day == 29);
}

void YearOfHours::requireComplete(const QString& path, int line) const {
    if (!complete()) {
        throw FormatError("o ano está incompleto: falta o registro de " + describe(expected_) + ".",
                          path, line);
    }
}

}  // namespace climate
