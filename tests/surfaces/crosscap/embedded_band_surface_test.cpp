#include "surfaces/crosscap/embedded_band_surface.h"
#include "tests/surfaces/crosscap/tube_checks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using namespace crosscap;

TEST(BandPoint, RunsTheCoreCircleTwiceAndTheBoundaryCircleOnce) {
    std::mt19937 random(81);
    std::uniform_real_distribution<double> along(-3.0, 3.0), unit(0.0, 1.0);
    for (int i = 0; i < 500; ++i) {
        const double b = along(random);
        const Vec3 core = bandPoint(0, b);
        EXPECT_NEAR(core.y, 0.0, 1e-12);
        EXPECT_NEAR(std::hypot(core.x, core.z), 2.0, 1e-12);
        expectNear(bandPoint(0, b + 0.5), core, 1e-12);
        const Vec3 rim = bandPoint(1, b);
        EXPECT_NEAR(rim.x, 0.0, 1e-12);
        EXPECT_NEAR(std::hypot(rim.y, rim.z + 2.0), 1.2, 1e-12);
        expectNear(bandPoint(1, b + 1.0), rim, 1e-12);
        // Half a period takes the boundary to the opposite point of its circle.
        expectNear(bandPoint(1, b + 0.5), Vec3{0, -rim.y, -4.0 - rim.z}, 1e-12);
        const double a = unit(random);
        expectNear(bandPoint(a, b + 1.0), bandPoint(a, b), 1e-12);
    }
}

TEST(BandFrame, TangentAndNormalAreUnitAndPerpendicular) {
    std::mt19937 random(82);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 2000; ++i) {
        const double a = unit(random), b = unit(random);
        const Vec3 t = bandTangent(a, b), n = bandNormal(a, b);
        ASSERT_NEAR(length(t), 1.0, 1e-12);
        ASSERT_NEAR(length(n), 1.0, 1e-12);
        EXPECT_LT(std::fabs(dot(t, n)), 2e-3) << a << " " << b;
        // The normal is perpendicular to the direction across the band as well.
        const Vec3 across = bandPoint(a + 1e-6, b) - bandPoint(a - 1e-6, b);
        EXPECT_LT(std::fabs(dot(n, across)) / length(across), 2e-3) << a << " " << b;
    }
}

TEST(BandFrame, TheNormalTurnsOverOnceAroundTheCore) {
    // One-sided: after half a period of b the core point is the same and its normal opposite.
    for (int i = 0; i < 46; ++i) {
        const double b = i / 92.0;
        EXPECT_LT(dot(bandNormal(0, b), bandNormal(0, b + 0.5)), -0.999);
    }
}

TEST(BandColumns, StepByAFortiethOfTheRestAndEndExactlyAtTheEnd) {
    const std::vector<double> tenth = bandColumns(0, 0.1);
    ASSERT_EQ(tenth.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(tenth[i], 0.025 * i, 1e-15);
    }
    EXPECT_EQ(tenth.back(), 0.1);
    const std::vector<double> whole = bandColumns(0, 1);
    EXPECT_EQ(whole.size(), 41u);
    EXPECT_EQ(whole.back(), 1.0);
    EXPECT_EQ(bandColumns(0.3, 0.2), std::vector<double>{0.2});

    std::mt19937 random(83);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 2000; ++i) {
        double start = unit(random), end = unit(random);
        if (start > end) {
            std::swap(start, end);
        }
        if (i % 10 == 0) {
            end = 1.0;
        }
        const std::vector<double> columns = bandColumns(start, end);
        ASSERT_LE(columns.size(), 42u);
        EXPECT_EQ(columns.front(), columns.size() == 1 ? end : start);
        EXPECT_EQ(columns.back(), end);
        for (size_t k = 1; k < columns.size(); ++k) {
            EXPECT_GE(columns[k], columns[k - 1]);
            EXPECT_LE(columns[k] - columns[k - 1], (1 - start) * 0.025 + 1e-12);
        }
    }
}

TEST(BandSurface, HasNinetyTwoOrFortySixRowsOfTheGivenColumns) {
    EXPECT_EQ(bandStripRows(false).size(), 92u);
    const std::vector<int> striped = bandStripRows(true);
    ASSERT_EQ(striped.size(), 46u);
    EXPECT_EQ(striped[1], 2);
    EXPECT_EQ(striped.back(), 90);

    const std::vector<QuadStrip> band = bandSurface(0, 0.1, false);
    ASSERT_EQ(band.size(), 92u);
    for (size_t k = 0; k < band.size(); ++k) {
        ASSERT_EQ(band[k].size(), 10u);
        // Each column: first the far edge b1 of the row, then the near one b0.
        expectNear(band[k][0].point, bandPoint(0, (k + 1) / 92.0), 1e-15);
        expectNear(band[k][1].point, bandPoint(0, k / 92.0), 1e-15);
    }
    EXPECT_EQ(bandSurface(0, 0.1, true).size(), 46u);
}

TEST(BandSurface, ReachesTheEdgeTubeAndTheBoundaryCircle) {
    // Grown to the end the band ends exactly on the boundary circle.
    for (const QuadStrip& strip : bandSurface(0, 1, false)) {
        ASSERT_EQ(strip.size(), 82u);
        for (size_t i = strip.size() - 2; i < strip.size(); ++i) {
            EXPECT_EQ(strip[i].point.x, 0.0);
            EXPECT_NEAR(std::hypot(strip[i].point.y, strip[i].point.z + 2.0), 1.2, 1e-12);
        }
    }
    // At any width the last column lies on the centre line of the edge tube drawn there.
    std::mt19937 random(84);
    std::uniform_real_distribution<double> slider(0.0, 1.0);
    for (int i = 0; i < 20; ++i) {
        const double x = 0.9 * slider(random) + 0.1;
        const std::vector<QuadStrip> band = bandSurface(0, x, false);
        const std::vector<TubeRing> edge = bandEdgeRings(x);
        for (size_t k = 0; k < band.size(); ++k) {
            expectNear(band[k].back().point, edge[k + 1].centre, 1e-15);
        }
    }
}

TEST(BandEdge, IsAClosedTubeOfNinetyThreeStripsAroundTheCurve) {
    std::mt19937 random(85);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> widths{0.0, 0.1, 1.0};
    while (widths.size() < 20) {
        widths.push_back(unit(random));
    }
    for (const double a : widths) {
        const std::vector<TubeRing> rings = bandEdgeRings(a);
        const std::vector<QuadStrip> tube = bandEdgeTube(a);
        ASSERT_EQ(rings.size(), 94u);
        ASSERT_EQ(tube.size(), 93u);
        // The first strip joins b = 1 to b = 0: zero length.
        for (size_t i = 0; i < tube[0].size(); i += 2) {
            expectNear(tube[0][i].point, tube[0][i + 1].point, 1e-12);
        }
        for (size_t k = 0; k < tube.size(); ++k) {
            ASSERT_EQ(tube[k].size(), 20u);
            for (size_t i = 0; i < tube[k].size(); ++i) {
                const Vec3 centre = rings[k + i % 2].centre;
                ASSERT_NEAR(length(tube[k][i].point - centre), 0.05, 1e-3);
            }
            if (k > 0) {
                EXPECT_GT(narrowestWaist(tube[k], rings[k].centre, rings[k + 1].centre, 0.05), 0.9);
            }
        }
        EXPECT_TRUE(allFinite(tube)) << a;
        EXPECT_TRUE(allFinite(bandSurface(0, a, false))) << a;
        EXPECT_TRUE(allFinite(bandSurface(0, a, true))) << a;
    }
}

} // namespace
} // namespace tessivo
