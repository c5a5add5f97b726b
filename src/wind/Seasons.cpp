#include "wind/Seasons.h"

namespace wind {

const std::array<SeasonStyle, kSeasonCount>& seasonStyles() {
    static const std::array<SeasonStyle, kSeasonCount> styles{{
        {"P", "Primavera", qRgb(255, 255, 0)},
        {"V", "Verão", qRgb(255, 0, 0)},
        {"O", "Outono", qRgb(0, 128, 0)},
        {"I", "Inverno", qRgb(0, 0, 255)},
    }};
    return styles;
}

QStringList seasonLetters() {
    QStringList letters;
    for (const SeasonStyle& season : seasonStyles()) {
        letters << QString::fromUtf8(season.letter);
    }
    return letters;
}

}  // namespace wind
