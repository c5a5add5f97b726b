#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/SeasonWindStatistics.h"

#include <gtest/gtest.h>

using climate::SeasonWindStatistics;
using Lines = std::vector<std::string>;

namespace {

// An hourly line: hour in field 2, speed in 11, direction in 12.
std::string hourLine(const std::string& hour, const std::string& speed,
                     const std::string& direction) {
    return "1,1," + hour + ",20,0,0,0,0,0,0,0," + speed + "," + direction + ",0,0,0,0,0";
}

std::string cell(const Lines& table, int row, int season) {
    return climate::SplitCommaText(table.at(static_cast<std::size_t>(row)))
        .at(static_cast<std::size_t>(season));
}

struct LineCase {
    const char* hour;
    const char* speed;
    const char* direction;
    int sector;      // -1: none
    int calmPeriod;  // -1: not calm
};

// Rows 0-7: share of each sector; 8-15: mean speed; 16-19: calm by period.
TEST(SeasonWindStatistics, ALineFallsInItsHalfOpenSectorOrInTheCalmOfItsPeriod) {
    const LineCase cases[] = {
        {"10", "3.5", "22.5", 0, -1},  {"10", "3.5", "22.6", 1, -1},  {"10", "3.5", "67.5", 1, -1},
        {"10", "3.5", "67.6", 2, -1},  {"10", "3.5", "112.5", 2, -1}, {"10", "3.5", "157.5", 3, -1},
        {"10", "3.5", "202.5", 4, -1}, {"10", "3.5", "247.5", 5, -1}, {"10", "3.5", "292.5", 6, -1},
        {"10", "3.5", "337.5", 7, -1}, {"10", "3.5", "337.6", 0, -1}, {"10", "3.5", "360", 0, -1},
        {"10", "3.5", "400", 0, -1},   {"10", "3.5", "0.01", 0, -1},  {"10", "3.5", "0", -1, -1},
        {"10", "3.5", "-10", -1, -1},  {"5", "0", "90", -1, 0},       {"5", "-1", "abc", -1, -1},
        {"0", "0", "0", -1, 0},        {"6", "0", "0", -1, 0},        {"7", "0", "0", -1, 1},
        {"12", "0", "0", -1, 1},       {"13", "0", "0", -1, 2},       {"18", "0", "0", -1, 2},
        {"19", "0", "0", -1, 3},       {"24", "0", "0", -1, 3},       {"-2", "0", "0", -1, 0},
        {"09", "0", "0", -1, 1},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(std::string("hour ") + c.hour + " speed " + c.speed + " from " + c.direction);
        // Spring holds line 1 alone (from 1 up to summer's start 0, wrapping).
        const Lines table = SeasonWindStatistics(
            {hourLine("3", "0", "0"), hourLine(c.hour, c.speed, c.direction)}, {1, 0, 0, 0});
        ASSERT_EQ(table.size(), 20u);
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(cell(table, k, 0), k == c.sector ? "100.00" : "0.00") << k;
            EXPECT_EQ(cell(table, 8 + k, 0), k == c.sector ? "3.50" : "0.00") << k;
        }
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(cell(table, 16 + p, 0), p == c.calmPeriod ? "100.00" : "0.00") << p;
        }
    }
}

TEST(SeasonWindStatistics, SeasonsWrapPastTheLastLineAndMayOverlap) {
    // Lines 0-49 from N, 50-99 NE, 100-199 L, 200-299 SE, 300-399 S.
    static const char* const everyFiftyLines[] = {"10",  "45",  "90",  "90",
                                                  "135", "135", "180", "180"};
    Lines lines;
    for (int i = 0; i < 400; ++i) {
        lines.push_back(hourLine("12", "2", everyFiftyLines[i / 50]));
    }
    const Lines table = SeasonWindStatistics(lines, {100, 50, 200, 300});
    // Spring: 100-399 and 0-49 (350 lines); summer 50-199; autumn 200-299;
    // winter 300-399 and 0-99.
    EXPECT_EQ(table[0], "14.29,0.00,0.00,25.00");   // N
    EXPECT_EQ(table[1], "0.00,33.33,0.00,25.00");   // NE
    EXPECT_EQ(table[2], "28.57,66.67,0.00,0.00");   // L
    EXPECT_EQ(table[3], "28.57,0.00,100.00,0.00");  // SE
    EXPECT_EQ(table[4], "28.57,0.00,0.00,50.00");   // S
}

TEST(SeasonWindStatistics, AnEmptySeasonIsAllZero) {
    // Spring and autumn start where the next season starts.
    const Lines table = SeasonWindStatistics(Lines(10, hourLine("12", "4", "90")), {1, 1, 0, 0});
    for (int row = 0; row < 20; ++row) {
        EXPECT_EQ(cell(table, row, 0), "0.00") << row;
        EXPECT_EQ(cell(table, row, 2), "0.00") << row;
    }
    EXPECT_EQ(cell(table, 2, 1), "100.00");  // summer 1-9
    EXPECT_EQ(cell(table, 2, 3), "100.00");  // winter line 0
    EXPECT_EQ(cell(table, 10, 3), "4.00");
}

TEST(SeasonWindStatistics, AMalformedLineNamesItsLine) {
    const std::pair<std::string, const char*> cases[] = {
        {hourLine("x", "0", "0"), "'x'"},
        {hourLine("12", "fast", "0"), "'fast'"},
        {hourLine("12", "3", "north"), "'north'"},
        {"1,1,12,20,0,0,0,0,0,0,0", "12"},    // no speed
        {"1,1,12,20,0,0,0,0,0,0,0,3", "13"},  // wind but no direction
        {"", "12"},
    };
    for (const auto& [bad, mention] : cases) {
        Lines lines(6, hourLine("12", "1", "90"));
        lines[3] = bad;
        try {
            SeasonWindStatistics(lines, {0, 2, 4, 5});
            FAIL() << bad;
        } catch (const climate::FormatError& e) {
            EXPECT_EQ(e.line(), 4) << bad;
            EXPECT_NE(std::string(e.what()).find(mention), std::string::npos) << e.what();
        }
    }
    // Calm with a direction that is not a number: the direction is not read.
    Lines lines(3, hourLine("12", "0", "none"));
    EXPECT_NO_THROW(SeasonWindStatistics(lines, {0, 1, 2, 0}));
    // Seasons that take no line read none.
    lines[1] = "garbage";
    EXPECT_NO_THROW(SeasonWindStatistics(lines, {1, 1, 1, 1}));
    // Starts must lie within the lines.
    EXPECT_THROW(SeasonWindStatistics(lines, {0, 1, 2, 3}), climate::ClimateError);
    EXPECT_THROW(SeasonWindStatistics(lines, {-1, 1, 2, 0}), climate::ClimateError);
    EXPECT_THROW(SeasonWindStatistics({}, {0, 0, 0, 0}), climate::ClimateError);
}

}  // namespace
