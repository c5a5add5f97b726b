#include "climate/Seasons.h"

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

QString seasonName(int season) {
    static const std::array<const char*, kSeasonCount> names{"Primavera", "Verão", "Outono",
                                                             "Inverno"};
    return QString::fromUtf8(names.at(static_cast<std::size_t>(season)));
}

}  // namespace climate
