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

}  // namespace
