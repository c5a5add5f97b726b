// The sun read back from a sky direction, and the days of the year it names.
#include "overlay/Calendar.h"
#include "overlay/SunPosition.h"
#include "overlay/SunThrough.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>

using namespace overlay;

namespace {

const chart::ChartGeometry kChart = chart::ChartGeometry::forImage(460, 460);

struct SunCase {
    const char* name;
    double latitudeDeg;
    int day;
    double sunTimeHours;
};
void PrintTo(const SunCase& c, std::ostream* out) {
    *out << c.name;
}

class SunThroughDrawnSun : public ::testing::TestWithParam<SunCase> {};

// Where the overlay puts the sun, the readout finds the same day and time.
TEST_P(SunThroughDrawnSun, GivesBackTheDeclinationTimeAndDay) {
    const SunCase c = GetParam();
    const SunPosition sun = sunPosition(c.latitudeDeg, c.day, c.sunTimeHours, kChart);
    ASSERT_TRUE(sun.aboveHorizon);
    const SunThrough back = sunThrough({sun.altitudeDeg, sun.azimuthDeg}, c.latitudeDeg);
    EXPECT_NEAR(back.declinationDeg, solarDeclinationDeg(c.day), 1e-9);
    EXPECT_NEAR(back.sunTimeHours, c.sunTimeHours, 1e-9);
    EXPECT_TRUE(withinDatePaths(back.declinationDeg));
    const std::array<int, 2> days = daysOfDeclination(back.declinationDeg);
    EXPECT_NE(std::find(days.begin(), days.end(), c.day), days.end())
        << dateLabel(days[0]).toStdString() << " / " << dateLabel(days[1]).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Suns, SunThroughDrawnSun,
                         ::testing::Values(SunCase{"FlorianopolisJanuaryMorning", -27.6, 21, 9.5},
                                           SunCase{"NorthernSolsticeAfternoon", 40.0, 172, 15.25},
                                           SunCase{"EquatorEarlyMorning", 0.0, 81, 7.0},
                                           SunCase{"FarNorthDecemberNoon", 65.0, 355, 12.0},
                                           SunCase{"FarSouthJulyAfternoon", -65.0, 200, 13.3},
                                           SunCase{"SpringFallingHalf", -10.0, 300, 16.9}),
                         [](const ::testing::TestParamInfo<SunCase>& p) {
                             return std::string(p.param.name);
                         });

// By the overlay's declination, whose discs the readout names: 21 Jan shares
// its path with 20 Nov and 21 Mai with 23 Jul (the chart's labels, for paths
// of their own declinations, say 22 Nov and 24 Jul).
TEST(SunThrough, NamesTheTwoDatesOfADeclinationInCalendarOrder) {
    const auto label = [](double declination) {
        const std::array<int, 2> days = daysOfDeclination(declination);
        return dateLabel(days[0]) + " / " + dateLabel(days[1]);
    };
    EXPECT_EQ(label(solarDeclinationDeg(21)), "21 Jan / 20 Nov");
    EXPECT_EQ(label(solarDeclinationDeg(141)), "21 Mai / 23 Jul");
    // Beyond the overlay's own extreme, still inside the chart's extreme path.
    EXPECT_EQ(label(23.48), "21 Jun / 22 Jun");
    EXPECT_TRUE(withinDatePaths(-23.49));
    EXPECT_FALSE(withinDatePaths(23.6));
}

TEST(Calendar, DatesOfA365DayYear) {
    for (int n = 1; n <= kDaysInYear; ++n) {
        const CalendarDate date = dateOfDay(n);
        ASSERT_EQ(dayOfYear(date.day, date.month), n) << n;
    }
    EXPECT_EQ(dayOfYear(22, 11), 326);
    EXPECT_EQ(dateLabel(1), "1 Jan");
    EXPECT_EQ(dateLabel(365), "31 Dez");
    for (const auto& [day, month] : {std::pair{29, 2}, std::pair{31, 4}, std::pair{0, 1},
                                     std::pair{1, 13}, std::pair{1, 0}, std::pair{32, 1}}) {
        EXPECT_FALSE(dayOfYear(day, month).has_value()) << day << "/" << month;
    }
}

}  // namespace
