// The readout under the pointer of a drawn chart: the line it writes, the
// disc it finds, and the angles it reads on the masks that were drawn.
#include "chart/ChartColours.h"
#include "chart/ChartTestLayers.h"
#include "chart/FacadeAngles.h"
#include "scene/ChartReadout.h"
#include "scene/ReadoutText.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

namespace {

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
    in.alpha.first = checkedBox("45");
    in.betaLeft.first = checkedBox("70");
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
void PrintTo(const MaskCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadoutOnADrawnMask : public ::testing::TestWithParam<MaskCase> {};

// The middle of the first stretch of gray (a mask's line) met along a path
// walked in small steps.
template <class Path>
std::optional<QPointF> firstGrayStretch(const QImage& masks, Path&& path) {
    constexpr double kStep = 0.05;
    std::optional<double> start;
    for (double t = 0.0; t < 165.0; t += kStep) {
        const QPointF p = path(t);
        const bool gray = (masks.pixel(static_cast<int>(p.x()), static_cast<int>(p.y())) &
                           0xFFFFFF) == (chart::kMaskGray.rgb() & 0xFFFFFF);
        if (gray && !start) {
            start = t;
        } else if (!gray && start) {
            return path((*start + t - kStep) / 2.0);
        }
    }
    return std::nullopt;
}

// Typing the angle the readout gives draws the mask's edge through the point:
// read on the drawn edge, the readout gives back the typed angle. The curves
// are drawn about a pixel outside their circles (the raster of a truncated
// box); where the gamma curves below are read, gamma changes 0.4° a pixel
// (up to 0.6° for steeper ones nearer the centre).
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
    pair->first = checkedBox(c.typed);
    scene::ChartLayers layers;
    const chart::Projection projection =
        scene::renderChart(request, layers.canvases()).projection();
    const QPointF centre(projection.centreX(), projection.centreY());
    const auto along = [](double azimuthDeg) {
        const double a = azimuthDeg * M_PI / 180.0;
        return QPointF(std::sin(a), -std::cos(a));
    };
    for (const double shift : {-4.0, 0.0, 4.0}) {
        // Out along the façade normal for alfa, 75° left of it for gamma;
        // round the circle 150 px out from the normal to the right for beta.
        const auto path = [&](double t) {
            switch (c.family) {
                case Family::Alpha:
                    return centre + along(kOrientation + shift) * (10 + t);
                case Family::GammaLeft:
                    return centre + along(kOrientation - 75 + shift) * (20 + t);
                case Family::BetaRight:
                    break;
            }
            return centre + along(kOrientation + 2 + t) * (150 + 5 * shift);
        };
        const std::optional<QPointF> edge = firstGrayStretch(layers.masks.image(), path);
        ASSERT_TRUE(edge.has_value());
        const chart::FacadeAngles angles =
            chart::facadeAnglesOf(projection.toSky(*edge), kOrientation);
        const scene::TypedFacadeAngles typed = scene::typedFacadeAngles(angles, c.reference);
        const double read = c.family == Family::Alpha       ? typed.alphaDeg
                            : c.family == Family::BetaRight ? typed.betaDeg
                                                            : typed.gammaDeg;
        EXPECT_NEAR(read, std::atof(c.typed), 0.5) << "at " << edge->x() << "," << edge->y();
        EXPECT_TRUE(c.family == Family::Alpha ||
                    angles.side == (c.family == Family::GammaLeft ? chart::FacadeSide::Left
                                                                  : chart::FacadeSide::Right));
    }
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
