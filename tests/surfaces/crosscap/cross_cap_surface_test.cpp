#include "math/angles.h"
#include "surfaces/crosscap/cross_cap_surface.h"
#include "surfaces/crosscap/difference_normal.h"
#include "tests/surfaces/crosscap/tube_checks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using namespace crosscap;

// Random morphs in [0, 1], with the two ends and the inflection of the boundary at 3/4 always
// among them.
std::vector<double> someMorphs(unsigned seed, int count) {
    std::vector<double> morphs{0.0, 1.0, 0.75, 1e-7};
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    while (static_cast<int>(morphs.size()) < count) {
        morphs.push_back(unit(random));
    }
    return morphs;
}

TEST(CrossCapPoint, HasPeriodTwoAndTurnsOverAfterHalfAPeriod) {
    std::mt19937 random(61);
    std::uniform_real_distribution<double> unit(0.0, 1.0), along(-6.0, 6.0);
    for (const double morph : someMorphs(62, 40)) {
        for (int i = 0; i < 100; ++i) {
            const double a = unit(random), b = along(random);
            const Vec3 p = crossCapPoint(a, b, morph);
            expectNear(crossCapPoint(a, b + 2.0, morph), p, 1e-12);
            expectNear(crossCapPoint(a, b + 1.0, morph), crossCapPoint(1.0 - a, b, morph), 1e-12);
        }
        // Not a trivial identity: the sides a = 0 and a = 1 are different points.
        EXPECT_GT(length(crossCapPoint(0, 0.3, morph) - crossCapPoint(1, 0.3, morph)), 0.4);
    }
}

TEST(CrossCapPoint, IsAFlatBandOfWidthHalfAroundTheCircleOfRadiusTwoAtMorphZero) {
    std::mt19937 random(63);
    std::uniform_real_distribution<double> unit(0.0, 1.0), along(-2.0, 2.0);
    for (int i = 0; i < 300; ++i) {
        const double b = along(random);
        const Vec3 middle = crossCapPoint(0.5, b, 0.0);
        expectNear(middle, {2 * std::cos(2 * pi * b), 2 * std::sin(2 * pi * b), 0}, 1e-12);
        const Vec3 p = crossCapPoint(0, b, 0.0), q = crossCapPoint(1, b, 0.0);
        EXPECT_NEAR(length(q - p), 0.5, 1e-12);
        // Every section is the straight diameter, spaced by 3a^2 - 2a^3.
        const double a = unit(random);
        expectNear(crossCapPoint(a, b, 0.0), p + (3 * a * a - 2 * a * a * a) * (q - p), 1e-12);
    }
}

TEST(CrossCapPoint, IsTheCrossCapOnTheCircleOfRadius225AtMorphOne) {
    expectNear(crossCapPoint(0, 0.5, 1.0), {0, 0, 2.25}, 1e-12);
    expectNear(crossCapPoint(1, 0.5, 1.0), {0, 0, -2.25}, 1e-12);
    std::mt19937 random(64);
    std::uniform_real_distribution<double> along(0.0, 2.0);
    for (int i = 0; i < 300; ++i) {
        const double b = along(random);
        const Vec3 rim = crossCapPoint(0, b, 1.0);
        EXPECT_NEAR(rim.y, 0.0, 1e-12);
        EXPECT_NEAR(length(rim), 2.25, 1e-12);
        // The sections bulge towards -y; their middles all lie on the y axis (the double line).
        const Vec3 middle = crossCapPoint(0.5, b, 1.0);
        EXPECT_LT(middle.y, -0.7);
        EXPECT_NEAR(middle.x, 0.0, 1e-12);
        EXPECT_NEAR(middle.z, 0.0, 1e-12);
    }
}

TEST(CrossCapNormal, IsAUnitNormalOfTheSurface) {
    std::mt19937 random(65);
    std::uniform_real_distribution<double> unit(0.0, 1.0), along(0.0, 2.0);
    int checked = 0;
    for (const double morph : someMorphs(66, 30)) {
        for (int i = 0; i < 100; ++i) {
            const double a = unit(random), b = along(random);
            const Vec3 n = crossCapNormal(a, b, morph);
            ASSERT_NEAR(length(n), 1.0, 1e-12) << a << " " << b << " " << morph;
            // Compare with the central-difference normal where the surface is regular.
            const double h = 1e-6;
            const Vec3 da = crossCapPoint(a + h, b, morph) - crossCapPoint(a - h, b, morph);
            const Vec3 db = crossCapPoint(a, b + h, morph) - crossCapPoint(a, b - h, morph);
            const Vec3 c = cross(da, db);
            if (length(c) < 0.05 * length(da) * length(db)) {
                continue;
            }
            EXPECT_GT(dot(n, -1.0 * c) / length(c), 0.999) << a << " " << b << " " << morph;
            ++checked;
        }
    }
    EXPECT_GT(checked, 2500);
}

TEST(CrossCapNormal, KeepsItsSideUpToTheEdgesOfTheFlatBand) {
    // The flat band leaves its sides at zero speed: a difference taken beyond a = 1 comes back
    // across the side and would turn the normal over there.
    for (const double morph : {0.0, 1e-7}) {
        for (int i = 0; i < 50; ++i) {
            const double b = i / 25.0;
            EXPECT_GT(dot(crossCapNormal(1.0, b, morph), crossCapNormal(28.0 / 29, b, morph)),
                      0.99);
            EXPECT_GT(dot(crossCapNormal(0.0, b, morph), crossCapNormal(1.0 / 29, b, morph)), 0.99);
        }
    }
}

TEST(DifferenceHelpers, GiveUnitVectorsOrFallBack) {
    // A surface that is flat in a below the step of 1e-5 but not on the scale of 1e-2: the
    // larger step; one degenerate everywhere: the fixed (0, 0, 1).
    const auto stepped = [](double a, double b) { return Vec3{0, std::floor(a * 1000) / 1000, b}; };
    expectNear(differenceNormal(stepped, 0.0001, 0.0, 1e-5, false), {1, 0, 0}, 1e-12);
    const auto constant = [](double, double) { return Vec3{1, 2, 3}; };
    expectNear(differenceNormal(constant, 0.5, 0.5, 1e-5, false), {0, 0, 1}, 0.0);
    EXPECT_FALSE(unitVector({0, 0, 0}));
    EXPECT_FALSE(unitVector({1e-320, 0, 0}));
    EXPECT_FALSE(unitVector({NAN, 1, 0}));
    EXPECT_FALSE(unitVector({INFINITY, 1, 0}));
    std::mt19937 random(67);
    std::uniform_real_distribution<double> any(-1.0, 1.0);
    for (int i = 0; i < 500; ++i) {
        const Vec3 t = *unitVector({any(random), any(random), any(random)});
        const Vec3 p = perpendicularTo(t);
        EXPECT_NEAR(length(p), 1.0, 1e-12);
        EXPECT_NEAR(dot(p, t), 0.0, 1e-12);
        const Vec3 q = perpendicularPart(t, t); // parallel guess: any perpendicular
        EXPECT_NEAR(dot(q, t), 0.0, 1e-12);
        EXPECT_NEAR(length(q), 1.0, 1e-12);
    }
}

TEST(CrossCapSurface, DrawsRowsOfThirtyColumnsOverHalfThePeriodOrTwoOfEveryFour) {
    const std::vector<int> striped = crossCapStripRows(true);
    ASSERT_EQ(striped.size(), 26u);
    EXPECT_EQ(std::vector<int>(striped.begin(), striped.begin() + 6),
              (std::vector<int>{0, 1, 4, 5, 8, 9}));
    EXPECT_EQ(striped.back(), 49);
    EXPECT_EQ(crossCapSurface(0.3, true).size(), 26u);

    const std::vector<QuadStrip> rows = crossCapSurface(0.6, false);
    ASSERT_EQ(rows.size(), 51u);
    for (size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 60u);
        // From the side a = 0 at b0 to the side a = 1 at b1; each row starts where the last ended.
        expectNear(rows[i][0].point, crossCapPoint(0, i / 51.0, 0.6), 1e-15);
        expectNear(rows[i][59].point, crossCapPoint(1, (i + 1) / 51.0, 0.6), 1e-15);
        for (size_t j = 0; i > 0 && j < 60; j += 2) {
            expectNear(rows[i - 1][j + 1].point, rows[i][j].point, 1e-15);
        }
    }
    // The last row ends at b = 1, which is where the first begins, turned over.
    expectNear(rows[50][1].point, rows[0][58].point, 1e-12);
}

TEST(CrossCapBoundary, IsATubeOf99StripsOnceAroundTheBoundary) {
    for (const double morph : someMorphs(68, 12)) {
        const std::vector<TubeRing> rings = crossCapBoundaryRings(morph);
        const std::vector<QuadStrip> tube = crossCapBoundaryTube(morph);
        ASSERT_EQ(rings.size(), 101u);
        ASSERT_EQ(tube.size(), 99u);
        for (size_t i = 0; i < rings.size(); ++i) {
            expectNear(rings[i].centre, crossCapPoint(0, 2.0 * i / 99, morph), 1e-15);
            EXPECT_NEAR(length(rings[i].u), 1.0, 1e-9);
            EXPECT_NEAR(dot(rings[i].u, rings[i].v), 0.0, 1e-9);
        }
        // Once around: the last ring is back at the first one of the first strip.
        expectNear(rings[100].centre, rings[1].centre, 1e-12);
        for (size_t i = 0; i < tube.size(); ++i) {
            ASSERT_EQ(tube[i].size(), 24u);
            const TubeRing& current = rings[i + 2];
            EXPECT_NEAR(length(tube[i][0].point - current.centre), 0.05, 1e-9);
            EXPECT_DOUBLE_EQ(tube[i][0].hue, (i + 2) / 99.0);
            EXPECT_DOUBLE_EQ(tube[i][1].hue, (i + 1) / 99.0);
        }
    }
}

TEST(CrossCapBoundary, NeverPinches) {
    // At morph 3/4 the boundary has an inflection at b = 1, where its binormal turns over.
    for (const double morph : {0.74, 0.745, 0.749, 0.75, 0.751, 0.755, 0.76, 0.0, 0.5, 1.0}) {
        const std::vector<TubeRing> rings = crossCapBoundaryRings(morph);
        const std::vector<QuadStrip> tube = crossCapBoundaryTube(morph);
        double waist = 1.0;
        for (size_t i = 0; i < tube.size(); ++i) {
            waist = std::min(
                waist, narrowestWaist(tube[i], rings[i + 2].centre, rings[i + 1].centre, 0.05));
        }
        EXPECT_GT(waist, 0.9) << "morph " << morph;
    }
}

TEST(CrossCapSection, OneTurnOfTheDialRunsOnceAlongTheBand) {
    EXPECT_EQ(crossCapSectionPosition(0.0), 0.0);
    EXPECT_NEAR(crossCapSectionPosition(pi), 0.5, 1e-15);
    EXPECT_NEAR(crossCapSectionPosition(-pi / 2), 0.75, 1e-15);
    EXPECT_EQ(crossCapSectionPosition(-1e-300), 0.0);
    double last = -1.0;
    for (int i = 0; i < 1000; ++i) {
        const double b = crossCapSectionPosition(2 * pi * i / 1000.0);
        EXPECT_GT(b, last);
        last = b;
    }
    EXPECT_GT(last, 0.998);
    std::mt19937 random(69);
    std::uniform_real_distribution<double> dial(-1000.0, 1000.0);
    for (int i = 0; i < 1000; ++i) {
        const double angle = dial(random);
        const double b = crossCapSectionPosition(angle);
        EXPECT_GE(b, 0.0);
        EXPECT_LT(b, 1.0);
        const double turns = angle / (2 * pi);
        EXPECT_NEAR(b, turns - std::floor(turns), 1e-12);
        // Whole turns of the dial bring the section back.
        const double again = crossCapSectionPosition(angle + 2 * pi * 7);
        EXPECT_NEAR(std::min(std::fabs(again - b), 1.0 - std::fabs(again - b)), 0.0, 1e-9);
    }
}

TEST(CrossCapSection, RunsAcrossTheBandAndComesBackTurnedOver) {
    for (const double morph : someMorphs(70, 10)) {
        const std::vector<QuadStrip> tube = crossCapSectionTube(morph, 0.0);
        ASSERT_EQ(tube.size(), 50u);
        for (const QuadStrip& strip : tube) {
            ASSERT_EQ(strip.size(), 20u);
        }
        // From the side a = 0 to the side a = 1 at b = 0.
        const std::vector<TubeRing> start = crossCapSectionRings(morph, 0.0);
        expectNear(start.front().centre, crossCapPoint(0, 0, morph), 1e-15);
        expectNear(start.back().centre, crossCapPoint(1, 0, morph), 1e-12);
        // Just before a full turn of the dial the section is the starting one, reversed.
        const std::vector<TubeRing> end =
            crossCapSectionRings(morph, crossCapSectionPosition(2 * pi - 1e-9));
        for (size_t i = 0; i <= 50; ++i) {
            expectNear(end[i].centre, start[50 - i].centre, 1e-7);
        }
    }
}

TEST(CrossCapSection, NeverPinchesAcrossThePinchPoints) {
    for (const double morph : {1.0, 0.99, 0.9, 0.5, 0.0}) {
        for (const double b : {0.25, 0.75, 0.249, 0.0, 0.5}) {
            const std::vector<TubeRing> rings = crossCapSectionRings(morph, b);
            const std::vector<QuadStrip> tube = crossCapSectionTube(morph, 2 * pi * b);
            // Where the section curls at its ends the end pieces are short hooks; only on the
            // flat band, whose sections are straight, do they count.
            const size_t skip = morph == 0.0 ? 0 : 1;
            for (size_t i = skip; i + skip < tube.size(); ++i) {
                EXPECT_GT(narrowestWaist(tube[i], rings[i].centre, rings[i + 1].centre, 0.04), 0.9)
                    << "morph " << morph << " b " << b << " strip " << i;
            }
        }
    }
}

TEST(CrossCapGeometry, HasNoNaNForAnyMorphOrDialAngle) {
    std::mt19937 random(71);
    std::uniform_real_distribution<double> dial(-1000.0, 1000.0);
    // The pinch points of the cross-cap (morph 1, a = 1/2, b = 1/4 and 3/4) are singular.
    for (const double b : {0.25, 0.75, 1.25}) {
        EXPECT_NEAR(length(crossCapNormal(0.5, b, 1.0)), 1.0, 1e-12);
    }
    std::vector<double> angles{0.0, pi / 2, 3 * pi / 2, -pi / 2, 2 * pi, -1000.0, 1000.0};
    for (const double morph : someMorphs(72, 40)) {
        angles.push_back(dial(random));
        EXPECT_TRUE(allFinite(crossCapSurface(morph, false))) << morph;
        EXPECT_TRUE(allFinite(crossCapBoundaryTube(morph))) << morph;
        for (const double angle : angles) {
            EXPECT_TRUE(allFinite(crossCapSectionTube(morph, angle))) << morph << " " << angle;
        }
    }
}

} // namespace
} // namespace tessivo
