// The three quantities the overlay can show, their five value classes, the
// class colours and the legend captions: the one table the overlay and the
// legend both read.
//
// A value falls in class 1 up to and including the first bound, in class c
// above bound c - 1 up to and including bound c, and in class 5 above the
// fourth bound: a value on a bound belongs to the lower class. Temperatures
// are in °C, radiations in W/m².
#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

namespace overlay {

// Named after the items of the quantity list, in its order.
enum class Quantity {
    Temperature = 0,                // "Temperaturas"
    GlobalHorizontalRadiation = 1,  // "Radiação Global Horizontal"
    DirectNormalRadiation = 2,      // "Radiação Direta Normal"
};

// The quantity of a list item: 0 and 1 as they are, anything else the direct
// normal radiation.
Quantity quantityFromItem(int itemIndex);

inline constexpr int kClassCount = 5;

struct QuantityClasses {
    int field;                             // field of an hourly line, from 0
    std::array<double, 4> bounds;          // upper bounds of classes 1 to 4
    std::array<std::uint32_t, 5> colours;  // class colours as 0x00BBGGRR
    std::array<const char*, 5> captions;   // legend captions, UTF-8
};

const QuantityClasses& quantityClasses(Quantity quantity);

// The item text of the quantity list, UTF-8: "Temperaturas", ...
const char* quantityName(Quantity quantity);

// Field of the quantity in an hourly line: 3, 15 or 17.
int hourlyField(Quantity quantity);

// Class 1 to 5 of a value.
int valueClass(Quantity quantity, double value);

// The colour of a class 1 to 5.
QColor classColour(Quantity quantity, int valueClass);

// A colour written as the platform's colour value 0x00BBGGRR, low byte red.
constexpr QRgb rgbFromColourValue(std::uint32_t bgr) {
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// One row of the legend: the colour box and its caption.
struct LegendRow {
    QColor colour;
    QString caption;
};
std::array<LegendRow, kClassCount> legendRows(Quantity quantity);

}  // namespace overlay
