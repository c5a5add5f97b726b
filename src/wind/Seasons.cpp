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

}  // namespace wind
