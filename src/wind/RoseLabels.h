// The texts of the wind rose: the eight direction letters, the three-line
// title inside the octagon, the scale of every direction and the season
// legend at the lower left. All bold, black, opaque on white.
//
// The mode is the item of the wind-rose mode list: 0 "Velocidades
// predominantes" (m/s), any other item "Frequência de ocorrência" (%).
// Positions are designed in rose units (24 px) from the centre, y upwards,
// and written with the text's top-left corner at the image pixel.
#pragma once

#include "canvas/Canvas.h"
#include "wind/RoseGeometry.h"

#include <QString>

#include <array>

namespace wind {

enum class WindMode { PredominantSpeeds, Frequencies };

WindMode windModeFromItem(int itemIndex);

struct WindModeTexts {
    std::array<const char*, 3> title;  // UTF-8
    std::array<double, 3> titleX;      // units; the lines stand at y = 1.0, 0.3, -0.38
    std::array<const char*, 6> scale;  // the unit, then the values at 1 to 5 units
    double factor;                     // what the file's values are multiplied by for the bars
};

const WindModeTexts& windModeTexts(WindMode mode);

struct DirectionLetter {
    const char* text;  // "N", "NE", "L", "SE", "S", "SO", "O", "NO"
    QPoint anchor;     // top-left corner, image pixels
};
// The eight letters in the order N to NO.
std::array<DirectionLetter, 8> directionLetters(const WindGeometry& geometry);

// The top-left corners of the six scale strings of direction d (0 = N ...
// 7 = NO), the unit first, in image pixels.
std::array<QPoint, 6> scaleLabelAnchors(const WindGeometry& geometry, int direction);

void drawWindLabels(Canvas& canvas, const WindGeometry& geometry, int modeItem);

}  // namespace wind
