#include "climate/Seasons.h"

#include "math/numbers.h"

#include <algorithm>
#include <string>

namespace climate {

SeasonStartTexts defaultSeasonStartTexts() {
    SeasonStartTexts texts;
    for (int s = 0; s < kSeasonCount; ++s) {
        texts[s] = {QString::fromUtf8(kDefaultSeasonStarts[s].day),
                    QString::fromUtf8(kDefaultSeasonStarts[s].month),
                    QString::fromUtf8(kDefaultSeasonStarts[s].hour)};
    }
    return texts;
}

SeasonStartTexts defaultSeasonStartTexts(Hemisphere hemisphere) {
    SeasonStartTexts texts = defaultSeasonStartTexts();
    if (hemisphere == Hemisphere::North) {
        std::swap(texts[static_cast<int>(Season::Spring)], texts[static_cast<int>(Season::Autumn)]);
        std::swap(texts[static_cast<int>(Season::Summer)], texts[static_cast<int>(Season::Winter)]);
    }
    return texts;
}

SeasonStartTexts seasonStartTextsFor(Hemisphere hemisphere, SeasonStartTexts texts) {
    const SeasonStartTexts from = defaultSeasonStartTexts(
        hemisphere == Hemisphere::North ? Hemisphere::South : Hemisphere::North);
    const SeasonStartTexts to = defaultSeasonStartTexts(hemisphere);
    for (int s = 0; s < kSeasonCount; ++s) {
        // A single edit equal to the other default may be the person's own
        // choice (hour 14 of a winter start); a whole untouched date is not.
        if (texts[s].day.trimmed() == from[s].day && texts[s].month.trimmed() == from[s].month &&
            texts[s].hour.trimmed() == from[s].hour) {
            texts[s] = to[s];
        }
    }
    return texts;
}

std::optional<Hemisphere> hemisphereOfLatitude(std::string_view latitudeText) {
    std::string text(latitudeText);
    std::replace(text.begin(), text.end(), ',', '.');
    const auto latitude = math::parseNumber(text);
    if (!latitude || *latitude == 0.0) {
        return std::nullopt;
    }
    return *latitude > 0.0 ? Hemisphere::North : Hemisphere::South;
}

QString seasonName(int season) {
    static const std::array<const char*, kSeasonCount> names{"Primavera", "Verão", "Outono",
                                                             "Inverno"};
    return QString::fromUtf8(names.at(static_cast<std::size_t>(season)));
}

}  // namespace climate
