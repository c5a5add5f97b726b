#include "climate/SeasonWindStatistics.h"

#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/HourlyFile.h"
#include "climate/Seasons.h"
#include "math/numbers.h"

namespace climate {

namespace {

constexpr int kDirectionCount = 8;
constexpr int kPeriodCount = 4;

// Upper bounds (included) of the sectors N (from just above 0), NE, ..., NO.
constexpr std::array<double, kDirectionCount> kSectorUpperBound{22.5,  67.5,  112.5, 157.5,
                                                                202.5, 247.5, 292.5, 337.5};

int sectorOf(double directionDeg) {
    if (directionDeg <= 0.0) {
        return -1;
    }
    if (directionDeg > kSectorUpperBound.back()) {
        return 0;
    }
    for (int k = 0; k < kDirectionCount; ++k) {
        if (directionDeg <= kSectorUpperBound[k]) {
            return k;
        }
    }
    return -1;
}

int periodOf(long long hour) {
    if (hour <= 6) {
        return 0;
    }
    if (hour <= 12) {
        return 1;
    }
    if (hour <= 18) {
        return 2;
    }
    return 3;
}

// What one line contributes, read once even when two seasons take it.
struct LineWind {
    bool read = false;
    int period = 0;
    int sector = -1;  // -1: no wind or no sector
    double speed = 0.0;
};

LineWind readLine(const std::string& line, int lineNumber) {
    CommaTextReader reader(line);
    std::string field;
    std::string hourText;
    std::string speedText;
    std::string directionText;
    int count = 0;
    while (count <= kWindDirectionField && reader.next(field)) {
        if (count == kHourField) {
            hourText = field;
        } else if (count == kWindSpeedField) {
            speedText = field;
        } else if (count == kWindDirectionField) {
            directionText = field;
        }
        ++count;
    }
    const auto tooShort = [&](int needed) {
        return FormatError("a linha tem " + std::to_string(count) + " campo(s); são necessários " +
                               std::to_string(needed) + ".",
                           {}, lineNumber);
    };
    if (count <= kWindSpeedField) {
        throw tooShort(kWindSpeedField + 1);
    }
    LineWind wind;
    const auto speed = math::parseNumber(speedText);
    if (!speed) {
        throw FormatError("a velocidade do vento '" + speedText + "' não é um número.", {},
                          lineNumber);
    }
    wind.speed = *speed;
    if (wind.speed > 0.0) {
        if (count <= kWindDirectionField) {
            throw tooShort(kWindDirectionField + 1);
        }
        const auto direction = math::parseNumber(directionText);
        if (!direction) {
            throw FormatError("a direção do vento '" + directionText + "' não é um número.", {},
                              lineNumber);
        }
        wind.sector = sectorOf(*direction);
    }
    const auto hour = math::parseInteger(hourText);
    if (!hour) {
        throw FormatError("a hora '" + hourText + "' não é um número inteiro.", {}, lineNumber);
    }
    wind.period = periodOf(*hour);
    wind.read = true;
    return wind;
}

double ratio(double part, double whole, double scale) {
    return whole == 0.0 ? 0.0 : part / whole * scale;
}

}  // namespace

std::vector<std::string> SeasonWindStatistics(const std::vector<std::string>& lines,
                                              const std::array<int, 4>& starts) {
    const std::size_t count = lines.size();
    for (const int start : starts) {
        if (start < 0 || static_cast<std::size_t>(start) >= count) {
            throw ClimateError("o início de estação " + std::to_string(start) + " está fora das " +
                               std::to_string(count) + " linhas de dados.");
        }
    }

    double seasonHours[kSeasonCount] = {};
    double directionHours[kDirectionCount][kSeasonCount] = {};
    double speedSum[kDirectionCount][kSeasonCount] = {};
    double periodHours[kPeriodCount][kSeasonCount] = {};
    double calmHours[kPeriodCount][kSeasonCount] = {};

    std::vector<LineWind> cache(count);
    for (int s = 0; s < kSeasonCount; ++s) {
        const auto end = static_cast<std::size_t>(starts[(s + 1) % kSeasonCount]);
        for (auto i = static_cast<std::size_t>(starts[s]); i != end; i = (i + 1) % count) {
            LineWind& wind = cache[i];
            if (!wind.read) {
                wind = readLine(lines[i], static_cast<int>(i) + 1);
            }
            seasonHours[s] += 1.0;
            if (wind.speed > 0.0 && wind.sector >= 0) {
                directionHours[wind.sector][s] += 1.0;
                speedSum[wind.sector][s] += wind.speed;
            }
            periodHours[wind.period][s] += 1.0;
            if (wind.speed == 0.0) {
                calmHours[wind.period][s] += 1.0;
            }
        }
    }

    std::vector<std::string> table;
    table.reserve(kDirectionCount * 2 + kPeriodCount);
    const auto addRow = [&](auto valueOf) {
        std::vector<std::string> values;
        for (int s = 0; s < kSeasonCount; ++s) {
            values.push_back(math::formatFixed2(valueOf(s)));
        }
        table.push_back(JoinCommaText(values));
    };
    for (int k = 0; k < kDirectionCount; ++k) {
        addRow([&](int s) { return ratio(directionHours[k][s], seasonHours[s], 100.0); });
    }
    for (int k = 0; k < kDirectionCount; ++k) {
        addRow([&](int s) { return ratio(speedSum[k][s], directionHours[k][s], 1.0); });
    }
    for (int p = 0; p < kPeriodCount; ++p) {
        addRow([&](int s) { return ratio(calmHours[p][s], periodHours[p][s], 100.0); });
    }
    return table;
}

}  // namespace climate
