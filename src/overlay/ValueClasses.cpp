#include "overlay/ValueClasses.h"

#include <algorithm>

namespace overlay {

namespace {

// The radiation captions of class 5 name 1300 W/m² as an upper bound the
// classes do not have; the legend has always read so.
const QuantityClasses kTemperature{
    3,
    {10.0, 14.0, 20.0, 25.0},
    {0x800000, 0xFF0000, 0xFFC000, 0x00CCFF, 0x0000CF},
    {"TBS <= 10°C", "10°C < TBS <= 14°C", "14°C < TBS <= 20°C", "20°C < TBS <= 25°C", "TBS > 25°C"},
};

constexpr std::array<std::uint32_t, 5> kRadiationColours{0x96FFFF, 0x00FFFF, 0x00CCFF, 0x0081D8,
                                                         0x0000FF};
constexpr std::array<double, 4> kRadiationBounds{250.0, 500.0, 850.0, 1000.0};

const QuantityClasses kGlobalHorizontal{
    15,
    kRadiationBounds,
    kRadiationColours,
    {"I <= 250 W/m²", "250 < I <= 500 W/m²", "500 < I <= 850 W/m²", "850 < I <= 1000 W/m²",
     "1000 < I <= 1300 W/m²"},
};

const QuantityClasses kDirectNormal{
    17,
    kRadiationBounds,
    kRadiationColours,
    {"Ib <= 250 W/m²", "250 < Ib <= 500 W/m²", "500 < Ib <= 850 W/m²", "850 < Ib <= 1000 W/m²",
     "1000 < Ib <= 1300 W/m²"},
};

}  // namespace

const char* quantityName(Quantity quantity) {
    switch (quantity) {
        case Quantity::Temperature:
            return "Temperaturas";
        case Quantity::GlobalHorizontalRadiation:
            return "Radiação Global Horizontal";
        case Quantity::DirectNormalRadiation:
            break;
    }
    return "Radiação Direta Normal";
}

Quantity quantityFromItem(int itemIndex) {
    switch (itemIndex) {
        case 0:
            return Quantity::Temperature;
        case 1:
            return Quantity::GlobalHorizontalRadiation;
        default:
            return Quantity::DirectNormalRadiation;
    }
}

const QuantityClasses& quantityClasses(Quantity quantity) {
    switch (quantity) {
        case Quantity::Temperature:
            return kTemperature;
        case Quantity::GlobalHorizontalRadiation:
            return kGlobalHorizontal;
        case Quantity::DirectNormalRadiation:
            break;
    }
    return kDirectNormal;
}

int hourlyField(Quantity quantity) {
    return quantityClasses(quantity).field;
}

int valueClass(Quantity quantity, double value) {
    const auto& bounds = quantityClasses(quantity).bounds;
    int cls = 1;
    for (double bound : bounds) {
        if (value <= bound) {
            return cls;
        }
        ++cls;
    }
    return cls;
}

QColor classColour(Quantity quantity, int valueClass) {
    const int index = std::clamp(valueClass, 1, kClassCount) - 1;
    return QColor::fromRgb(
        rgbFromColourValue(quantityClasses(quantity).colours[static_cast<std::size_t>(index)]));
}

std::array<LegendRow, kClassCount> legendRows(Quantity quantity) {
    std::array<LegendRow, kClassCount> rows;
    const QuantityClasses& classes = quantityClasses(quantity);
    for (int c = 1; c <= kClassCount; ++c) {
        auto& row = rows[static_cast<std::size_t>(c - 1)];
        row.colour = classColour(quantity, c);
        row.caption = QString::fromUtf8(classes.captions[static_cast<std::size_t>(c - 1)]);
    }
    return rows;
}

}  // namespace overlay
