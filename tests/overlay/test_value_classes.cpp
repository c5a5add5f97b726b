#include "overlay/ValueClasses.h"

#include <gtest/gtest.h>

using namespace overlay;

namespace {

constexpr auto T = Quantity::Temperature;
constexpr auto G = Quantity::GlobalHorizontalRadiation;
constexpr auto D = Quantity::DirectNormalRadiation;

TEST(ValueClass, AValueOnABoundBelongsToTheLowerClass) {
    const struct {
        Quantity quantity;
        double value;
        int valueClass;
        QColor colour;
    } cases[] = {
        {T, -3.0, 1, QColor(0, 0, 128)},      {T, 10.0, 1, QColor(0, 0, 128)},
        {T, 10.01, 2, QColor(0, 0, 255)},     {T, 20.0, 3, QColor(0, 192, 255)},
        {T, 25.0, 4, QColor(255, 204, 0)},    {T, 25.5, 5, QColor(207, 0, 0)},
        {G, 250.0, 1, QColor(255, 255, 150)}, {G, 500.0, 2, QColor(255, 255, 0)},
        {G, 850.0, 3, QColor(255, 204, 0)},   {G, 1000.0, 4, QColor(216, 129, 0)},
        {G, 1000.5, 5, QColor(255, 0, 0)},    {D, 250.5, 2, QColor(255, 255, 0)},
        {D, 1300.0, 5, QColor(255, 0, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(valueClass(c.quantity, c.value), c.valueClass) << c.value;
        EXPECT_EQ(classColour(c.quantity, c.valueClass), c.colour) << c.value;
    }
}

TEST(Quantities, ItemsFieldsAndLegendShareOneTable) {
    EXPECT_EQ(quantityFromItem(0), T);
    EXPECT_EQ(quantityFromItem(1), G);
    EXPECT_EQ(quantityFromItem(2), D);
    EXPECT_EQ(quantityFromItem(7), D);
    EXPECT_EQ(quantityFromItem(-1), D);
    EXPECT_EQ(hourlyField(T), 3);
    EXPECT_EQ(hourlyField(G), 15);
    EXPECT_EQ(hourlyField(D), 17);
    for (Quantity q : {T, G, D}) {
        for (int c = 1; c <= kClassCount; ++c) {
            EXPECT_EQ(legendRows(q)[static_cast<std::size_t>(c - 1)].colour, classColour(q, c));
        }
    }
    EXPECT_EQ(legendRows(T)[0].caption, QString::fromUtf8("TBS <= 10°C"));
    EXPECT_EQ(legendRows(T)[4].caption, QString::fromUtf8("TBS > 25°C"));
    EXPECT_EQ(legendRows(G)[3].caption, QString::fromUtf8("850 < I <= 1000 W/m²"));
    EXPECT_EQ(legendRows(D)[4].caption, QString::fromUtf8("1000 < Ib <= 1300 W/m²"));
    EXPECT_EQ(rgbFromColourValue(0x800000) & 0xFFFFFF, 0x000080u);  // navy, not dark red
}

}  // namespace
