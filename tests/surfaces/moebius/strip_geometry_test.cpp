#include "math/angles.h"
#include "surfaces/moebius/strip_model.h"
#include "tests/support/vec3_checks.h"

#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::expectNear;

StripModel model(double bend, double twist) {
    StripModel strip;
    strip.bend = bend;
    strip.twist = twist;
    return strip;
}

TEST(MoebiusStripFrame, FlatSquareAtBendZero) {
    const StripModel strip = model(0.0, pi);
    expectNear(strip.frameAt(0).centre, {0, -0.5, 0});
    expectNear(strip.frameAt(1).centre, {0, 0.5, 0});
    std::mt19937 random(1);
    std::uniform_real_distribution<double> any(-2.0, 3.0);
    for (int i = 0; i < 200; ++i) {
        const double x = any(random);
        const MoebiusFrame frame = strip.frameAt(x);
        expectNear(frame.centre, {0, x - 0.5, 0});
        expectNear(frame.across, {0, 0, 1});
        expectNear(frame.normal, {-1, 0, 0});
    }
}

TEST(MoebiusStripFrame, ClosedMoebiusBandMeetsItselfReversed) {
    const StripModel strip = model(1.0, pi);
    const double b = 15.0 / (2.0 * pi);
    const MoebiusFrame middle = strip.frameAt(0.5);
    expectNear(middle.centre, {-b, 0, 0});
    expectNear(middle.across, {0, 0, 1});
    expectNear(middle.normal, {-1, 0, 0});
    const MoebiusFrame start = strip.frameAt(0);
    const MoebiusFrame end = strip.frameAt(1);
    expectNear(start.centre, {b, 0, 0});
    expectNear(start.across, {-1, 0, 0});
    expectNear(start.normal, {0, 0, 1});
    expectNear(end.centre, {b, 0, 0});
    expectNear(end.across, {1, 0, 0});
    expectNear(end.normal, {0, 0, -1});
    // Everywhere, one length further on is the same place on the other side.
    std::mt19937 random(2);
    std::uniform_real_distribution<double> any(-3.0, 3.0);
    for (int i = 0; i < 200; ++i) {
        const double x = any(random);
        const MoebiusFrame here = strip.frameAt(x);
        const MoebiusFrame next = strip.frameAt(x + 1.0);
        expectNear(next.centre, here.centre, 1e-9);
        expectNear(next.across, -1.0 * here.across, 1e-9);
        expectNear(next.normal, -1.0 * here.normal, 1e-9);
        EXPECT_NEAR(length(here.centre), b, 1e-9);
    }
}

TEST(MoebiusStripFrame, ClosedUntwistedBandIsACylinder) {
    const StripModel strip = model(1.0, 0.0);
    const double b = 15.0 / (2.0 * pi);
    std::mt19937 random(3);
    std::uniform_real_distribution<double> any(-3.0, 3.0);
    for (int i = 0; i < 200; ++i) {
        const double x = any(random);
        const MoebiusFrame frame = strip.frameAt(x);
        expectNear(frame.across, {0, 0, 1});
        EXPECT_NEAR(frame.centre.z, 0.0, 1e-12);
        EXPECT_NEAR(length(frame.centre), b, 1e-9);
        // The normal is radial: the faces are the inside and outside of the cylinder.
        expectNear(frame.normal, (1.0 / b) * frame.centre, 1e-9);
        expectNear(strip.frameAt(x + 1.0).centre, frame.centre, 1e-9);
    }
}

// Over any bend and twist the frame is orthonormal, the centre line is an arc of the current
// length through (-bend b, 0, 0), and the ends have turned by -+bend twist / 2.
TEST(MoebiusStripFrame, ArcOfTheCurrentLengthWithTurnedEnds) {
    std::mt19937 random(4);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 40; ++trial) {
        const double bend = trial == 0 ? 1.0 : unit(random);
        const StripModel strip = model(bend, 4.0 * pi * unit(random) - 2.0 * pi);
        const double a = (1.0 - bend) * 1.0 + bend * 15.0;
        expectNear(strip.frameAt(0.5).centre, {-bend * a / (2.0 * pi), 0, 0}, 1e-12);
        double walked = 0.0;
        Vec3 previous = strip.frameAt(0).centre;
        const int steps = 2000;
        for (int i = 1; i <= steps; ++i) {
            const MoebiusFrame frame = strip.frameAt(static_cast<double>(i) / steps);
            walked += length(frame.centre - previous);
            previous = frame.centre;
            EXPECT_NEAR(length(frame.across), 1.0, 1e-12);
            EXPECT_NEAR(length(frame.normal), 1.0, 1e-12);
            EXPECT_NEAR(dot(frame.across, frame.normal), 0.0, 1e-12);
        }
        EXPECT_NEAR(walked, a, 1e-4 * a) << "bend " << bend;
        const double endTurn = bend * strip.twist / 2.0;
        EXPECT_NEAR(strip.frameAt(0).across.z, std::cos(endTurn), 1e-12);
        EXPECT_NEAR(strip.frameAt(1).across.z, std::cos(endTurn), 1e-12);
    }
}

TEST(MoebiusStripFrame, CurvedFormulaMeetsTheFlatBandAsBendVanishes) {
    const StripModel flat = model(0.0, pi);
    std::mt19937 random(5);
    std::uniform_real_distribution<double> any(-1.0, 2.0);
    for (const double bend : {1e-3, 1e-5, 1e-8, 1e-12, 1e-200, 1e-310, 5e-324}) {
        const StripModel strip = model(bend, 2.0 * pi);
        for (int i = 0; i < 50; ++i) {
            const double x = any(random);
            const MoebiusFrame curved = strip.frameAt(x);
            const MoebiusFrame straight = flat.frameAt(x);
            ASSERT_TRUE(isFinite(curved.centre) && isFinite(curved.across) &&
                        isFinite(curved.normal))
                << "bend " << bend;
            // Deviations are first order in bend (the twist and the length change).
            const double tolerance = 1e-13 + 60.0 * bend;
            expectNear(curved.centre, straight.centre, tolerance);
            expectNear(curved.across, straight.across, tolerance);
            expectNear(curved.normal, straight.normal, tolerance);
        }
    }
}

TEST(MoebiusTwist, SnapsToMultiplesOfPiWithinATenth) {
    StripModel strip;
    const struct {
        double angle, twist;
    } cases[] = {{pi, pi},
                 {1.2 * pi, 1.2 * pi},
                 {0.95 * pi, pi},
                 {-0.05 * pi, 0.0},
                 {2.05 * pi, 2 * pi},
                 {0.0, 0.0},
                 {-pi, -pi},
                 {-0.95 * pi, -pi},
                 {-1.2 * pi, -1.2 * pi},
                 {0.5 * pi, 0.5 * pi},
                 {-3.08 * pi, -3 * pi}};
    for (const auto& c : cases) {
        strip.setTwistFromAngle(c.angle);
        EXPECT_NEAR(strip.twist, c.twist, 1e-12) << "angle " << c.angle / pi << " pi";
    }
    std::mt19937 random(6);
    std::uniform_real_distribution<double> any(-20.0, 20.0);
    for (int i = 0; i < 1000; ++i) {
        const double angle = any(random);
        strip.setTwistFromAngle(angle);
        const double turns = strip.twist / pi;
        EXPECT_LE(std::abs(strip.twist - angle), 0.1 * pi + 1e-12);
        const double nearest = std::round(angle / pi);
        if (std::abs(angle / pi - nearest) < 0.099) {
            EXPECT_EQ(turns, std::round(turns)) << angle;
        } else if (std::abs(angle / pi - nearest) > 0.101) {
            EXPECT_NEAR(strip.twist, angle, 1e-12);
        }
        // Snapping is symmetric about 0.
        StripModel mirrored;
        mirrored.setTwistFromAngle(-angle);
        EXPECT_NEAR(mirrored.twist, -strip.twist, 1e-9) << angle;
    }
    strip.twist = 2.0;
    strip.setTwistFromAngle(std::nan(""));
    EXPECT_EQ(strip.twist, 2.0);
}

TEST(MoebiusCut, SeparationOpensAroundAQuarterAndCompletesAtOne) {
    StripModel strip;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> any(-1.0, 2.0);
    for (int i = 0; i < 500; ++i) {
        const double x = any(random);
        strip.cutSpread = 0.0;
        EXPECT_EQ(strip.cutSeparation(x), 0.0);
        strip.cutSpread = 1.0 / 3.0;
        EXPECT_NEAR(strip.cutSeparation(x), std::max(0.0, std::sin(2 * pi * x)), 1e-12);
        strip.cutSpread = 1.0;
        EXPECT_EQ(strip.cutSeparation(x), 1.0);
        // Growing the spread never closes a gap, and the separation stays within [0, 1].
        double before = 0.0;
        for (double spread = 0.0; spread <= 1.0; spread += 0.05) {
            strip.cutSpread = spread;
            const double l = strip.cutSeparation(x);
            EXPECT_GE(l, before);
            EXPECT_LE(l, 1.0);
            before = l;
        }
    }
    strip.cutSpread = 0.02;
    EXPECT_GT(strip.cutSeparation(0.25), 0.0);
    EXPECT_EQ(strip.cutSeparation(0.5), 0.0);
    strip.cutSpread = 2.0 / 3.0;
    EXPECT_NEAR(strip.cutSeparation(0.75), 0.0, 1e-12);
    EXPECT_GT(strip.cutSeparation(0.7), 0.0);
    EXPECT_EQ(strip.cutSeparation(0.5), 1.0);
}

} // namespace
} // namespace tessivo
