// Helpers for assertions on pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <string>

// Number of pixels of the colour (RGB, alpha ignored) inside rect (all by default).
int countPixels(const QImage& image, QColor colour, QRect rect = {});
// Number of pixels that are not white inside rect.
int countPainted(const QImage& image, QRect rect = {});
// Bounding box of the pixels that are not white inside rect; null when none.
QRect paintedBoundingBox(const QImage& image, QRect rect = {});
// The pixel as 0xRRGGBB.
unsigned rgbAt(const QImage& image, int x, int y);
bool isColour(const QImage& image, int x, int y, QColor colour);
// Empty when equal; otherwise the first differing pixel. Saves both images
// under the build folder's test-output/ with the given name.
std::string compareImages(const QImage& actual, const QImage& expected, const QString& name);
// Saves an image under the build folder's test-output/ for a failing test.
QString saveForInspection(const QImage& image, const QString& name);
