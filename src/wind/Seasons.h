// The four seasons of the wind rose, in the order of the wind file's columns
// and of the bars within a direction (counter-clockwise side first), with
// their fill colours and legend names.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

namespace wind {

inline constexpr int kSeasonCount = 4;

struct SeasonStyle {
    const char* letter;  // "P", "V", "O", "I"
    const char* name;    // legend name, UTF-8
    QRgb fill;
};

const std::array<SeasonStyle, kSeasonCount>& seasonStyles();

// "P", "V", "O", "I": the column headers of the wind tables.
QStringList seasonLetters();

}  // namespace wind
