// `--sun-position`: the overlay's sun and the façade's angles on the command
// line, against numbers worked out by hand.
#include "CommandRun.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct SunPositionCase {
    const char* name;
    const char* options;
    const char* lines;
};
void PrintTo(const SunPositionCase& c, std::ostream* out) {
    *out << c.name;
}

class SunPositionCommand : public ::testing::TestWithParam<SunPositionCase> {};

TEST_P(SunPositionCommand, PrintsTheSunAndTheAnglesThatWouldShadeIt) {
    const SunPositionCase c = GetParam();
    const CommandRun r =
        runCapturing(QStringList{"--sun-position"} + QString::fromUtf8(c.options).split(' '));
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QString::fromUtf8(c.lines));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

// At noon the sun stands on the meridian at 90 - |latitude - declination|;
// 23.45 sin(0.986 (n + 284)) is 23.4495 on 21/6 (day 172) and -23.4500 on
// 21/12 (day 355). At -27.63 both suns lie north (azimuth 0), on the normal of
// a façade facing north, the equator's side: alfa is the altitude, beta 0,
// gamma 90 (Externa); Interna takes 90 minus each.
// At the equator on 21/3 (day 80, declination -0.4485) at 9 h the sun is
// 45.0° up, 0.63° south of east: on an east façade alfa 45.0, beta 0.6 to the
// right (south), gamma 89.4.
INSTANTIATE_TEST_SUITE_P(
    Cases, SunPositionCommand,
    ::testing::Values(
        SunPositionCase{
            "EquatorFacingFacadeWinterNoon",
            "--latitude -27.63 --date 21/6 --hour 12 --orientation 0",
            "altitude: 38.9\nazimute: 0.0\nalfa: 51.1\nbeta: 90.0 direita\ngama: 0.0\n"},
        SunPositionCase{
            "EquatorFacingFacadeSummerNoonExterna",
            "--latitude -27,63 --date 21/12 --hour 12 --orientation 0 --reference "
            "externa",
            "altitude: 85.8\nazimute: 0.0\nalfa: 85.8\nbeta: 0.0 direita\ngama: 90.0\n"},
        SunPositionCase{
            "EastFacadeInTheMorning",
            "--latitude 0 --date 21/03 --hour 9 --orientation 90 --reference externa",
            "altitude: 45.0\nazimute: 90.6\nalfa: 45.0\nbeta: 0.6 direita\ngama: 89.4\n"},
        SunPositionCase{"BehindTheFacade",
                        "--latitude -27.63 --date 21/6 --hour 12 --orientation 180",
                        "altitude: 38.9\nazimute: 0.0\nfachada: sol atrás da fachada\n"},
        SunPositionCase{"BelowTheHorizon", "--latitude -27.63 --date 21/6 --hour 0 --orientation 0",
                        "altitude: -85.8\nazimute: 180.0\nsol: abaixo do horizonte\n"},
        SunPositionCase{"WithoutAFacade", "--latitude -27.63 --date 21/6 --hour 12",
                        "altitude: 38.9\nazimute: 0.0\n"}),
    [](const ::testing::TestParamInfo<SunPositionCase>& p) { return std::string(p.param.name); });

TEST(SunPositionCommand, RefusesABadArgumentWithOneLineAndPrintsNothing) {
    for (const char* options :
         {"--latitude 70 --date 21/6 --hour 12", "--latitude 10 --date 29/2 --hour 12",
          "--latitude 10 --date 31/4 --hour 12", "--latitude 10 --date 21-6 --hour 12",
          "--latitude 10 --date 21/6 --hour 24.5", "--latitude 10 --date 21/6 --hour -1",
          "--latitude 10 --date 21/6 --hour meio-dia", "--latitude 10 --hour 12",
          "--date 21/6 --hour 12", "--latitude 10 --date 21/6",
          "--latitude 10 --date 21/6 --hour 12 --alfa 30"}) {
        const CommandRun r =
            runCapturing(QStringList{"--sun-position"} + QString::fromUtf8(options).split(' '));
        EXPECT_EQ(r.status, 2) << options;
        EXPECT_TRUE(r.out.isEmpty()) << options;
        EXPECT_TRUE(r.err.startsWith("zenita: ") && r.err.count(u'\n') == 1)
            << options << ": " << r.err.toStdString();
    }
}

}  // namespace
