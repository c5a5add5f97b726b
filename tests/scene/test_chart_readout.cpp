// The readout under the pointer of a drawn chart: the line it writes, the
// disc it finds, and the angles it reads on the masks that were drawn.
#include "chart/ChartColours.h"
#include "chart/FacadeAngles.h"
#include "scene/ChartReadout.h"
#include "scene/ReadoutText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

chart::AngleBox box(const char* typed) {
    return {true, chart::TypedNumber::parse(QString::fromUtf8(typed))};
}

// Latitude -27.63 with a city whose line gives UTC-3 at 48.5° W, a façade
// turned to 30° with alfa 45 and beta left 70 typed in the interior
// reference, and a constant temperature of 18.25 °C over the first half-year.
scene::ChartRequest knownRequest() {
    scene::ChartRequest request;
    chart::ChartInputs& in = request.chart;
    in.latitudeDeg = -27.63;
    in.latitudeText = QStringLiteral("-27.63");
    in.orientation = chart::TypedNumber::parse(QStringLiteral("30"));
    in.reference = chart::AngleReference::Interna;
    in.overlayShown = true;
    in.alpha.first = box("45");
    in.betaLeft.first = box("70");
    request.city = climate::CityIndexEntry{"Floripa", "-27.63", "f.csv", "s/a", "48.5", -3.0};
    scene::OverlaySource source;
    source.inputs = {-27.63, 48.5, 0, overlay::Quantity::Temperature, 45.0};
    source.column.assign(8760, {climate::HourlyValue::Kind::Number, 18.25});
    request.overlay = source;
    return request;
}

class ChartReadoutOfAKnownChart : public ::testing::Test {
protected:
    void SetUp() override { drawn = scene::renderChart(knownRequest(), layers.canvases()); }
    scene::ChartReadout readout() const { return scene::ChartReadout(drawn, &layers.masks); }

    scene::ChartLayers layers;
    scene::ChartScene drawn;
};

// Computed apart from the program, from the formulas of the projection, the
// overlay's sun and the façade: the pixel's centre (240.5, 150.5) lies 96.0 px
// from the centre at 7.52°, altitude 90 - 2 atan(96.0 / 192); the sun passes
// there with declination 17.38° (days 130 and 215) at 11:37.6 sun time; the
// disc nearest is day 130's at 11.8 h clock time, 0.23 px away.
TEST_F(ChartReadoutOfAKnownChart, WritesTheLinesOfAPixel) {
    EXPECT_EQ(readout().at({240, 150}).text(),
              QStringLiteral("Altitude 44.7°   Azimute 7.5°\n"
                             "Sol: declinação 17.4°, 10 Mai / 3 Ago, 11:38 hora solar, "
                             "11:48 / 11:58 hora legal\n"
                             "Ponto de 10 Mai, 11:48: 18.3 °C, classe 3 (14°C < TBS <= 20°C)\n"
                             "Transferidor (interna): alfa 43.1°, beta 67.5° esquerda, "
                             "gama 21.1° esquerda; máscara: cobre (alfa, beta esquerda)"));
}

TEST_F(ChartReadoutOfAKnownChart, SaysWhatLiesBehindTheFacadeAndNothingOutsideTheHorizon) {
    // South-west of the centre, behind a façade facing 30°.
    const scene::ReadoutLines behind = readout().at({150, 300});
    EXPECT_EQ(behind.facade, QStringLiteral("Transferidor: atrás da fachada"));
    EXPECT_FALSE(behind.sky.isEmpty());
    // Low in the south: no sun of this latitude passes there.
    EXPECT_EQ(readout().at({230, 410}).sun,
              QStringLiteral("Sol: não passa por este ponto nesta latitude"));
    for (const QPoint outside : {QPoint(5, 5), QPoint(230, 423), QPoint(459, 230)}) {
        EXPECT_TRUE(readout().at(outside).text().isEmpty()) << outside.x() << "," << outside.y();
    }
    EXPECT_TRUE(scene::ChartReadout().at({230, 230}).isEmpty());
}

// The freehand fills are read from the mask layer as it stands.
TEST_F(ChartReadoutOfAKnownChart, NamesTheFreehandFillUnderThePointer) {
    layers.masks.setPenColor(chart::kPartialShadingYellow);
    layers.masks.setBrushColor(chart::kPartialShadingYellow);
    layers.masks.rectangle(300, 100, 310, 110);
    EXPECT_TRUE(readout()
                    .at({305, 105})
                    .facade.endsWith(QStringLiteral("máscara: cobre (preenchimento parcial)")))
        << readout().at({305, 105}).facade.toStdString();
}

// The grid finds what a walk through every disc finds: the nearest within
// 4 px, the last drawn of equally near ones, and nothing beyond.
TEST_F(ChartReadoutOfAKnownChart, FindsTheNearestDiscDrawn) {
    const scene::ChartReadout r = readout();
    const std::vector<overlay::SunSample>& discs = drawn.sunPositions;
    ASSERT_GT(discs.size(), 10000u);
    int found = 0;
    for (double y = 30.5; y < 430.0; y += 2.75) {
        for (double x = 30.5; x < 430.0; x += 2.75) {
            const QPointF p(x, y);
            const overlay::SunSample* expected = nullptr;
            double best = scene::kDiscReachPx * scene::kDiscReachPx;
            for (const overlay::SunSample& disc : discs) {
                const QPointF d = disc.pixel - p;
                const double square = d.x() * d.x() + d.y() * d.y();
                if (square <= best) {
                    best = square;
                    expected = &disc;
                }
            }
            ASSERT_EQ(r.nearestDisc(p), expected) << x << "," << y;
            found += expected != nullptr;
        }
    }
    EXPECT_GT(found, 1000);
}

// ---- The angles read on the masks drawn ----

enum class Family { Alpha, BetaRight, GammaLeft };

struct MaskCase {
    const char* name;
    Family family;
    chart::AngleReference reference;
    const char* typed;
};

class ReadoutOnADrawnMask : public ::testing::TestWithParam<MaskCase> {};

bool isMaskGray(const QImage& masks, QPointF p) {
    return (masks.pixel(static_cast<int>(p.x()), static_cast<int>(p.y())) & 0xFFFFFF) ==
           (chart::kMaskGray.rgb() & 0xFFFFFF);
}

// Walks the mask layer along a path in small steps and returns the middle of
// the first stretch of gray pixels it crosses: the middle of the line.
template <class Path>
std::optional<QPointF> firstGrayStretch(const QImage& masks, Path&& path, double length) {
    constexpr double kStep = 0.05;
    std::optional<double> start;
    for (double t = 0.0; t < length; t += kStep) {
        const bool gray = isMaskGray(masks, path(t));
        if (gray && !start) {
            start = t;
        } else if (!gray && start) {
            return path((*start + t - kStep) / 2.0);
        }
    }
    return std::nullopt;
}

// Typing the angle the readout gives draws the mask's edge through the point:
// read on the drawn edge, the readout gives back the typed angle.
TEST_P(ReadoutOnADrawnMask, ReadsBackTheTypedAngleOnItsEdge) {
    const MaskCase c = GetParam();
    constexpr double kOrientation = 30.0;
    scene::ChartRequest request;
    request.chart.latitudeDeg = 10.0;
    request.chart.orientation = chart::TypedNumber::parse(QStringLiteral("30"));
    request.chart.reference = c.reference;
    chart::AnglePair* pair = c.family == Family::Alpha       ? &request.chart.alpha
                             : c.family == Family::BetaRight ? &request.chart.betaRight
                                                             : &request.chart.gammaLeft;
    pair->first = box(c.typed);
    scene::ChartLayers layers;
    const scene::ChartScene drawn = scene::renderChart(request, layers.canvases());
    const chart::Projection projection = drawn.projection();
    const QPointF centre(projection.centreX(), projection.centreY());
    // Along the façade normal for alfa; across the right front quarter, 150 px
    // out, for beta; along the direction 75° left of the normal for gamma. The
    // curves are drawn about a pixel outside their circles (the raster of a
    // truncated box); gamma changes 0.4° a pixel there for the angles below,
    // up to 0.6° a pixel for steeper ones nearer the centre.
    const auto along = [&](double azimuthDeg) {
        const double a = azimuthDeg * M_PI / 180.0;
        return QPointF(std::sin(a), -std::cos(a));
    };
    int readings = 0;
    for (const double offset : {-4.0, 0.0, 4.0}) {
        std::optional<QPointF> edge;
        const QImage& masks = layers.masks.image();
        if (c.family == Family::Alpha) {
            const double az = kOrientation + offset;
            edge = firstGrayStretch(
                masks, [&](double t) { return centre + along(az) * (10 + t); }, 175);
        } else if (c.family == Family::GammaLeft) {
            const double az = kOrientation - 75 + offset;
            edge = firstGrayStretch(
                masks, [&](double t) { return centre + along(az) * (20 + t); }, 165);
        } else {
            // Round the circle of radius 150 +- 20 from the normal toward the right end.
            const double r = 150.0 + offset * 5;
            edge = firstGrayStretch(
                masks, [&](double t) { return centre + along(kOrientation + 2.0 + t) * r; }, 80);
        }
        ASSERT_TRUE(edge.has_value()) << "no edge found";
        const chart::FacadeAngles angles =
            chart::facadeAnglesOf(projection.toSky(*edge), kOrientation);
        const scene::TypedFacadeAngles typed = scene::typedFacadeAngles(angles, c.reference);
        const double read = c.family == Family::Alpha       ? typed.alphaDeg
                            : c.family == Family::BetaRight ? typed.betaDeg
                                                            : typed.gammaDeg;
        EXPECT_NEAR(read, std::atof(c.typed), 0.5) << "at " << edge->x() << "," << edge->y();
        if (c.family != Family::Alpha) {
            EXPECT_EQ(angles.side, c.family == Family::GammaLeft ? chart::FacadeSide::Left
                                                                 : chart::FacadeSide::Right);
        }
        ++readings;
    }
    EXPECT_EQ(readings, 3);
}

using Ref = chart::AngleReference;
INSTANTIATE_TEST_SUITE_P(
    Masks, ReadoutOnADrawnMask,
    ::testing::Values(MaskCase{"AlfaExterna", Family::Alpha, Ref::Externa, "35"},
                      MaskCase{"AlfaInterna", Family::Alpha, Ref::Interna, "40"},
                      MaskCase{"BetaExterna", Family::BetaRight, Ref::Externa, "40"},
                      MaskCase{"BetaInterna", Family::BetaRight, Ref::Interna, "25"},
                      MaskCase{"GamaExterna", Family::GammaLeft, Ref::Externa, "20"},
                      MaskCase{"GamaInterna", Family::GammaLeft, Ref::Interna, "70"}),
    [](const ::testing::TestParamInfo<MaskCase>& p) { return std::string(p.param.name); });

// The projection's inverse gives back every pixel of the disc.
TEST(Projection, TheInverseRoundTripsTheWholeDisc) {
    const chart::Projection projection(230.0, 230.0, 192.0);
    double worst = 0.0;
    for (int y = 38; y <= 422; ++y) {
        for (int x = 38; x <= 422; ++x) {
            const QPointF pixel(x + 0.5, y + 0.5);
            if (std::hypot(pixel.x() - 230.0, pixel.y() - 230.0) > 192.0) {
                continue;
            }
            const QPointF back = projection.toPixel(projection.toSky(pixel));
            worst = std::max(worst, std::hypot(back.x() - pixel.x(), back.y() - pixel.y()));
        }
    }
    EXPECT_LT(worst, 0.5);
}

}  // namespace
