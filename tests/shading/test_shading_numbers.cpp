// The shading numbers: hours of a year of sun in front of a façade, read
// under the mask layer as drawn, against the rules they stand for.
#include "app/CityFiles.h"
#include "chart/ChartTestLayers.h"
#include "chart/ChartDrawing.h"
#include "chart/FacadeAngles.h"
#include "chart/FreehandMask.h"
#include "scene/ChartRequest.h"
#include "scene/ChartScene.h"
#include "shading/ShadingNumbers.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>

namespace {

const chart::ChartGeometry kG = chart::ChartGeometry::forImage(460, 460);

// A year at 27.6° S, 48.5° W on Brasília time, every hour of the same
// temperature and direct normal radiation.
shading::HourlyClimate constantYear(double temperature = 22.0, double directNormal = 600.0) {
    shading::HourlyClimate year;
    year.file = QStringLiteral("x.csv");
    year.latitudeDeg = -27.6;
    year.longitudeDeg = 48.5;
    year.standardMeridianDeg = 45.0;
    year.temperature.assign(8760, {climate::HourlyValue::Kind::Number, temperature});
    year.directNormal.assign(8760, {climate::HourlyValue::Kind::Number, directNormal});
    return year;
}

chart::ChartInputs facade(double orientationDeg,
                          chart::AngleReference reference = chart::AngleReference::Externa) {
    chart::ChartInputs inputs;
    inputs.latitudeDeg = -27.6;
    inputs.latitudeText = QStringLiteral("-27.6");
    inputs.protractor = true;
    inputs.orientation = chart::TypedNumber::parse(QString::number(orientationDeg));
    inputs.reference = reference;
    return inputs;
}

// The chart drawn for the inputs; the hand may then draw on its mask layer.
struct DrawnChart {
    explicit DrawnChart(const chart::ChartInputs& chartInputs) : inputs(chartInputs) {
        chart::drawChart(layers.canvases(), kG, inputs);
        baseline = layers.masks.image().copy();
    }
    shading::MaskCoverage coverage() const {
        return {layers.masks.image(), baseline, chart::typedMasksOf(inputs), kG.projection()};
    }
    chart::ChartInputs inputs;
    scene::ChartLayers layers;
    QImage baseline;
};

// The rule holds at the point and within a pixel of it all around: the
// point lies more than a pixel from the rule's edge.
bool farFromEdge(const std::function<bool(const chart::SkyDirection&)>& rule, QPointF point) {
    const bool here = rule(kG.projection().toSky(point));
    for (int k = 0; k < 16; ++k) {
        const double a = k * std::numbers::pi / 8.0;
        const QPointF near = point + QPointF(std::cos(a), std::sin(a));
        if (rule(kG.projection().toSky(near)) != here) {
            return false;
        }
    }
    return true;
}

double yearSunShadedPct(const shading::ShadingTable& table) {
    return table.at(shading::Period::Year, shading::Measure::Sun).shadedPct.value_or(-1.0);
}

}  // namespace

// The hand's fills count by their colour, whatever the typed masks: none
// shades nothing, a red fill of the whole disc everything, a yellow one half.
TEST(ShadingNumbers, FillsOfTheWholeDiscShadeAllOrHalfAndNoMaskNothing) {
    const struct {
        std::optional<chart::MaskFill> fill;
        double pct;
    } cases[] = {
        {std::nullopt, 0.0}, {chart::MaskFill::Total, 100.0}, {chart::MaskFill::Partial, 50.0}};
    const shading::HourlyClimate year = constantYear();
    for (const auto& c : cases) {
        DrawnChart chart(facade(0.0));
        if (c.fill) {
            chart::fillMask(chart.layers.masks, {230, 230}, *c.fill);
        }
        const shading::ShadingTable table = shading::shadingTable(year, kG, chart.coverage());
        for (const shading::Period p : shading::kPeriods) {
            const shading::ShadingCell& sun = table.at(p, shading::Measure::Sun);
            EXPECT_GT(sun.hours, 1000);
            EXPECT_EQ(table.at(p, shading::Measure::Class4).hours, sun.hours);
            EXPECT_FALSE(table.at(p, shading::Measure::Class1).shadedPct.has_value());
            EXPECT_DOUBLE_EQ(sun.shadedPct.value(), c.pct);
            EXPECT_NEAR(table.at(p, shading::Measure::Radiation).shadedPct.value(), c.pct, 1e-9);
        }
        EXPECT_EQ(table.at(shading::Period::FirstHalf, shading::Measure::Sun).hours +
                      table.at(shading::Period::SecondHalf, shading::Measure::Sun).hours,
                  table.at(shading::Period::Year, shading::Measure::Sun).hours);
    }
}

// A typed mask shades by the region it bounds, read at the pixel of each
// hour: it agrees with the analytic rule of its angles on the whole year,
// save hours within a pixel of the region's edge.
struct TypedMaskCase {
    const char* name;
    chart::ChartInputs inputs;
    std::function<bool(const chart::FacadeAngles&)> shades;
};

void PrintTo(const TypedMaskCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedMaskRegion : public ::testing::TestWithParam<TypedMaskCase> {};

TEST_P(TypedMaskRegion, AgreesWithTheAnalyticRuleButWithinAPixelOfItsEdge) {
    const TypedMaskCase& c = GetParam();
    const DrawnChart chart(c.inputs);
    const shading::MaskCoverage coverage = chart.coverage();
    const double orientation = c.inputs.orientation.value();
    const auto rule = [&](const chart::SkyDirection& sky) {
        const chart::FacadeAngles a = chart::facadeAnglesOf(sky, orientation);
        return sky.altitudeDeg >= 0.0 && a.inFront && c.shades(a);
    };
    int shaded = 0;
    int open = 0;
    for (const shading::SunHour& h : shading::sunHoursInFront(constantYear(), kG, orientation)) {
        const bool analytic = rule(h.sun);
        (analytic ? shaded : open) += 1;
        if ((coverage.shadeAt(h.chartPoint) == 1.0) != analytic) {
            ASSERT_FALSE(farFromEdge(rule, h.chartPoint))
                << "day " << h.day << " hour " << h.hour << " analytic " << analytic;
        }
    }
    EXPECT_GT(shaded, 100);
}

using Angles = chart::FacadeAngles;
constexpr auto kAlpha = &chart::ChartInputs::alpha;

TypedMaskCase typedMask(const char* name, chart::ChartInputs inputs,
                        chart::AnglePair chart::ChartInputs::*family, chart::AnglePair pair,
                        std::function<bool(const Angles&)> shades) {
    inputs.*family = pair;
    return {name, inputs, std::move(shades)};
}

INSTANTIATE_TEST_SUITE_P(
    Masks, TypedMaskRegion,
    ::testing::Values(
        typedMask("Alfa0ExternaShadesTheWholeFront", facade(0.0), kAlpha, onePair("0"),
                  [](const Angles&) { return true; }),
        typedMask("Alfa30ExternaFacingNorth", facade(0.0), kAlpha, onePair("30"),
                  [](const Angles& a) { return a.alphaDeg >= 30.0; }),
        typedMask("Alfa60InternaFacing200", facade(200.0, chart::AngleReference::Interna), kAlpha,
                  onePair("60"), [](const Angles& a) { return a.alphaDeg >= 30.0; }),
        typedMask("Alfa50And20AreTheBandBetween", facade(30.0), kAlpha, twoPair("50", "20"),
                  [](const Angles& a) { return a.alphaDeg >= 20.0 && a.alphaDeg <= 50.0; }),
        typedMask("BetaRight30FacingNorth", facade(0.0), &chart::ChartInputs::betaRight,
                  onePair("30"),
                  [](const Angles& a) {
                      return a.side == chart::FacadeSide::Right && a.betaDeg >= 30.0;
                  }),
        typedMask("GammaLeft40FacingNorth", facade(0.0), &chart::ChartInputs::gammaLeft,
                  onePair("40"),
                  [](const Angles& a) {
                      return a.side == chart::FacadeSide::Left && a.gammaDeg >= 40.0;
                  }),
        typedMask("GammaRight25Facing271", facade(271.0), &chart::ChartInputs::gammaRight,
                  onePair("25"),
                  [](const Angles& a) {
                      return a.side == chart::FacadeSide::Right && a.gammaDeg >= 25.0;
                  })),
    [](const ::testing::TestParamInfo<TypedMaskCase>& param) { return param.param.name; });

// With the same direct radiation every hour, the share blocked is the share
// of hours shaded, each weighted by the cosine of its incidence.
TEST(ShadingNumbers, ConstantRadiationBlocksTheCosineWeightedShareOfHours) {
    chart::ChartInputs inputs = facade(30.0);
    inputs.alpha.first = checkedBox("40");
    inputs.betaLeft.first = checkedBox("50");
    DrawnChart chart(inputs);
    // A yellow triangle by hand in the eastern sky: the half counts in the
    // weights too.
    chart::drawMaskSegment(chart.layers.masks, {300, 100}, {400, 150});
    chart::drawMaskSegment(chart.layers.masks, {400, 150}, {330, 220});
    chart::drawMaskSegment(chart.layers.masks, {330, 220}, {300, 100});
    chart::fillMask(chart.layers.masks, {343, 157}, chart::MaskFill::Partial);
    const shading::MaskCoverage coverage = chart.coverage();
    const shading::HourlyClimate year = constantYear(22.0, 700.0);
    const std::vector<shading::SunHour> hours = shading::sunHoursInFront(year, kG, 30.0);
    double weights = 0.0;
    double shaded = 0.0;
    for (const shading::SunHour& h : hours) {
        weights += h.cosIncidence;
        shaded += h.cosIncidence * coverage.shadeAt(h.chartPoint);
    }
    const shading::ShadingTable table = shading::tabulate(hours, coverage);
    const shading::ShadingCell& radiation =
        table.at(shading::Period::Year, shading::Measure::Radiation);
    EXPECT_NEAR(radiation.shadedPct.value(), 100.0 * shaded / weights, 1e-9);
    EXPECT_NEAR(radiation.kwhPerM2.value(), 0.7 * weights, 1e-6);
    EXPECT_GT(radiation.shadedPct.value(), 5.0);
    EXPECT_LT(radiation.shadedPct.value(), 95.0);
    EXPECT_NE(radiation.shadedPct.value(), yearSunShadedPct(table));
}

// The guides of "Desenhar reta" and the typed masks' gray are no hand
// drawing: a gray line drawn by hand shades, the same gray of the chart does
// not beyond its region.
TEST(ShadingNumbers, OnlyGrayDrawnByHandShadesAsALine) {
    DrawnChart chart(facade(0.0));
    chart::drawMaskReferenceLines(chart.layers.masks, kG, 0.0);
    chart.baseline = chart.layers.masks.image().copy();
    const shading::HourlyClimate year = constantYear();
    EXPECT_EQ(yearSunShadedPct(shading::shadingTable(year, kG, chart.coverage())), 0.0);
    // A line across the morning sky of winter, from the zenith to the NE.
    chart::drawMaskSegment(chart.layers.masks, {230, 230}, {300, 70});
    const double lined = yearSunShadedPct(shading::shadingTable(year, kG, chart.coverage()));
    EXPECT_GT(lined, 0.0);
    EXPECT_LT(lined, 5.0);
}

// Each hour lies where the overlay draws the sun at that clock hour of the
// city's own clock: with the index's time zone, or Brasília time without.
TEST(ShadingNumbers, HoursLieOnTheOverlaysDiscsOfTheSameClockTime) {
    TempDatabase database;
    database.writeCityFile("la.csv", fileBytes(hourlyLines(8760, "18", "0", "500")));
    climate::CityIndexEntry city{"LA", "33.9", "la.csv", "s/a", "118.4", -8.0};
    std::vector<double> noonColumns;  // day 172 at 12:00
    for (const std::optional<double> zone :
         {std::optional<double>(-8.0), std::optional<double>()}) {
        city.timeZoneHours = zone;
        const shading::HourlyClimate year =
            shading::readHourlyClimate(database.cityFilePath("la.csv"), city, 33.9);
        const std::vector<shading::SunHour> hours = shading::sunHoursInFront(year, kG, 135.0);
        std::map<std::pair<int, int>, QPointF> byHour;
        for (const shading::SunHour& h : hours) {
            byHour[{h.day, h.hour}] = h.chartPoint;
        }
        ASSERT_TRUE(byHour.contains({172, 12}));
        noonColumns.push_back(byHour[{172, 12}].x());
        int matched = 0;
        for (const int period : {0, 1}) {
            scene::ChartRequest request;
            request.chart = facade(135.0);
            request.overlay =
                scene::loadOverlaySource(database.path(), city, 1, QStringLiteral("33.9"),
                                         overlay::Quantity::Temperature, period);
            scene::ChartLayers layers;
            const scene::ChartScene drawn = scene::renderChart(request, layers.canvases());
            for (const overlay::SunSample& s : drawn.sunPositions) {
                const double hour = std::round(s.clockTimeHours);
                if (std::abs(s.clockTimeHours - hour) > 1e-6) {
                    continue;  // between hours, or the noon step at 12.01
                }
                const auto found = byHour.find({s.day, static_cast<int>(hour)});
                if (found != byHour.end()) {
                    ASSERT_NEAR(found->second.x(), s.pixel.x(), 1e-6);
                    ASSERT_NEAR(found->second.y(), s.pixel.y(), 1e-6);
                    ++matched;
                }
            }
        }
        const auto noons = std::count_if(hours.begin(), hours.end(),
                                         [](const shading::SunHour& h) { return h.hour == 12; });
        EXPECT_EQ(matched, static_cast<int>(hours.size() - static_cast<std::size_t>(noons)));
    }
    // Local noon on the meridian; taken as Brasília time, five hours earlier.
    EXPECT_NEAR(noonColumns[0], 230.0, 12.0);
    EXPECT_GT(noonColumns[1], 330.0);
}

// A year the overlay could not read to the end gives no numbers.
TEST(ShadingNumbers, AFileShortOfTheYearIsRefusedNamingTheLine) {
    shading::HourlyClimate year = constantYear();
    year.temperature.resize(5000);
    try {
        (void)shading::sunHoursInFront(year, kG, 0.0);
        FAIL() << "no error";
    } catch (const shading::ShadingDataError& error) {
        EXPECT_STREQ(error.what(),
                     "Arquivo x.csv inválido! O arquivo tem 5000 linhas, mas o dia 209 precisa "
                     "da linha 5001.");
    }
}
