#include "math/b_spline_curve.h"
#include "tests/support/vec3_checks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace tessivo {
namespace {

// Reference definitions, written from the textbook formulas rather than from the code under
// test: the recursive Cox-de Boor basis and de Boor's point evaluation.

// N_{i,p}(u) by plain recursion; 0/0 counts as 0. The last non-empty span is closed at its
// right end so that u = U[m-1] belongs to it.
double coxDeBoor(const std::vector<double>& U, int i, int p, double u) {
    if (p == 0) {
        const int m = static_cast<int>(U.size());
        if (U[i] <= u && u < U[i + 1]) {
            return 1.0;
        }
        const bool lastSpan = U[i] < U[i + 1] && U[i + 1] == U[m - 1];
        return lastSpan && u == U[m - 1] ? 1.0 : 0.0;
    }
    double value = 0.0;
    if (U[i + p] != U[i]) {
        value += (u - U[i]) / (U[i + p] - U[i]) * coxDeBoor(U, i, p - 1, u);
    }
    if (U[i + p + 1] != U[i + 1]) {
        value += (U[i + p + 1] - u) / (U[i + p + 1] - U[i + 1]) * coxDeBoor(U, i + 1, p - 1, u);
    }
    return value;
}

Vec3 deBoor(const std::vector<Vec3>& P, const std::vector<double>& U, int p, double u) {
    const int n = static_cast<int>(P.size());
    int k = p;
    while (k < n - 1 && !(u < U[k + 1])) {
        ++k;
    }
    std::vector<Vec3> d(P.begin() + (k - p), P.begin() + (k + 1));
    for (int r = 1; r <= p; ++r) {
        for (int j = p; j >= r; --j) {
            const int i = j + k - p;
            const double alpha = (u - U[i]) / (U[i + p + 1 - r] - U[i]);
            d[j] = (1.0 - alpha) * d[j - 1] + alpha * d[j];
        }
    }
    return d[p];
}

using testing::expectNear;

BSplineCurve randomCurve(std::mt19937& random, int n, int p) {
    std::uniform_real_distribution<double> coordinate(-5.0, 5.0);
    BSplineCurve curve(n, p);
    for (int i = 0; i < n; ++i) {
        curve.setControlPoint(i, coordinate(random), coordinate(random), coordinate(random));
    }
    return curve;
}

TEST(BSplineKnots, SpineKnotsAreClampedAndUniform) {
    const BSplineCurve spine(9, 3);
    ASSERT_EQ(spine.knotCount(), 13);
    const double expected[13] = {0,       0,       0, 0, 1.0 / 6, 2.0 / 6, 3.0 / 6,
                                 4.0 / 6, 5.0 / 6, 1, 1, 1,       1};
    for (int i = 0; i < 13; ++i) {
        EXPECT_DOUBLE_EQ(spine.knots[i], expected[i]) << "knot " << i;
    }
}

TEST(BSplineKnots, AnySizeHasDegreePlusOneEndKnotsAndEvenSpacing) {
    for (int p = 0; p <= maxBSplineDegree; ++p) {
        for (int n = p + 1; n <= p + 12; ++n) {
            const std::vector<double> U = clampedUniformKnots(n, p);
            ASSERT_EQ(static_cast<int>(U.size()), n + p + 1);
            for (int i = 0; i <= p; ++i) {
                EXPECT_EQ(U[i], 0.0);
                EXPECT_EQ(U[n + i], 1.0);
            }
            // n - p spans of equal length between the clamped ends.
            for (int i = p; i < n; ++i) {
                EXPECT_NEAR(U[i + 1] - U[i], 1.0 / (n - p), 1e-15) << "n " << n << " p " << p;
            }
        }
    }
}

TEST(BSplineSpan, FindsTheHalfOpenSpanHoldingU) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 300; ++trial) {
        const int p = trial % 6;
        const int n = p + 1 + trial % 9;
        const std::vector<double> U = clampedUniformKnots(n, p);
        const double u = unit(random);
        const int span = findSpan(u, U.data(), static_cast<int>(U.size()), p);
        ASSERT_GE(span, p);
        ASSERT_LE(span, n - 1);
        EXPECT_LE(U[span], u);
        EXPECT_LT(u, U[span + 1]);
    }
}

TEST(BSplineSpan, InteriorKnotsStartTheirSpanAndTheEndsHoldTheEndSpans) {
    const BSplineCurve spine(9, 3);
    const double* U = spine.knots.data();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(findSpan(i / 6.0, U, 13, 3), 3 + i) << "knot " << i << "/6";
    }
    EXPECT_EQ(findSpan(0.5, U, 13, 3), 6);
    EXPECT_EQ(findSpan(0.0, U, 13, 3), 3);
    for (double u : {1.0, 1.0000001, 7.0, 1e300, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(findSpan(u, U, 13, 3), 8) << u;
    }
    // Before the first knot there is no span; the search must still end, in the first one.
    for (double u : {-1e-12, -0.5, -1e300, -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(findSpan(u, U, 13, 3), 3) << u;
    }
    const int nanSpan = findSpan(std::nan(""), U, 13, 3);
    EXPECT_GE(nanSpan, 3);
    EXPECT_LE(nanSpan, 8);
}

TEST(BSplineBasis, UniformCubicAtAKnotWeighsOneFourOne) {
    const BSplineCurve spine(9, 3);
    const BSplineBasis n = basisFunctions(6, 0.5, 3, spine.knots.data());
    EXPECT_NEAR(n[0], 1.0 / 6, 1e-15);
    EXPECT_NEAR(n[1], 4.0 / 6, 1e-15);
    EXPECT_NEAR(n[2], 1.0 / 6, 1e-15);
    EXPECT_NEAR(n[3], 0.0, 1e-15);
}

TEST(BSplineBasis, MatchesTheRecursiveDefinition) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 400; ++trial) {
        const int p = trial % 5;
        const int n = p + 1 + (trial / 5) % 8;
        const std::vector<double> U = clampedUniformKnots(n, p);
        const double u = trial % 17 == 0 ? 1.0 : unit(random);
        const int span = findSpan(u, U.data(), static_cast<int>(U.size()), p);
        const BSplineBasis values = basisFunctions(span, u, p, U.data());
        double sum = 0.0;
        for (int i = 0; i <= p; ++i) {
            EXPECT_NEAR(values[i], coxDeBoor(U, span - p + i, p, u), 1e-12)
                << "n " << n << " p " << p << " u " << u << " i " << i;
            EXPECT_GE(values[i], -1e-15);
            sum += values[i];
        }
        EXPECT_NEAR(sum, 1.0, 1e-12);
    }
}

TEST(BSplineCurveEvaluation, MatchesDeBoorsAlgorithm) {
    std::mt19937 random(9);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 200; ++trial) {
        const int p = 1 + trial % 4;
        const int n = p + 1 + trial % 7;
        const BSplineCurve curve = randomCurve(random, n, p);
        const double u = unit(random);
        expectNear(curve.evaluate(u), deBoor(curve.controlPoints, curve.knots, p, u), 1e-10);
    }
}

TEST(BSplineCurveEvaluation, ClampsToTheEndControlPoints) {
    std::mt19937 random(13);
    const BSplineCurve curve = randomCurve(random, 9, 3);
    for (double u : {0.0, -1e-9, -5.0, -1e300}) {
        expectNear(curve.evaluate(u), curve.controlPoints.front(), 1e-12);
    }
    for (double u : {1.0, 1.0 + 1e-9, 5.0, 1e300}) {
        expectNear(curve.evaluate(u), curve.controlPoints.back(), 1e-12);
    }
}

TEST(BSplineCurveTangent, IsTheUnitCentralDifferenceOneSidedAtTheEnds) {
    std::mt19937 random(17);
    const BSplineCurve curve = randomCurve(random, 9, 3);
    auto unitOf = [](const Vec3& v) { return v / std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); };
    Vec3 point;
    Vec3 tangent;
    std::uniform_real_distribution<double> inside(0.01, 0.99);
    for (int i = 0; i < 100; ++i) {
        const double u = inside(random);
        curve.pointAndTangent(u, point, tangent);
        expectNear(point, curve.evaluate(u), 1e-15);
        expectNear(tangent, unitOf(curve.evaluate(u + 0.001) - curve.evaluate(u - 0.001)), 1e-12);
    }
    curve.pointAndTangent(0.0, point, tangent);
    const Vec3 atStart = unitOf(curve.evaluate(0.001) - curve.controlPoints.front());
    expectNear(tangent, atStart, 1e-12);
    curve.pointAndTangent(-5.0, point, tangent);
    expectNear(tangent, atStart, 1e-12);
    expectNear(point, curve.controlPoints.front(), 1e-12);
    curve.pointAndTangent(1.0, point, tangent);
    expectNear(tangent, unitOf(curve.controlPoints.back() - curve.evaluate(0.999)), 1e-12);
}

TEST(BSplineCurveTangent, FollowsAStraightLine) {
    BSplineCurve curve(6, 3);
    const Vec3 direction{2.0, -1.0, 0.5};
    for (int i = 0; i < 6; ++i) {
        curve.setControlPoint(i, Vec3{1, 1, 1} + (i * i * 0.3) * direction);
    }
    const Vec3 unit = direction / std::sqrt(5.25);
    for (double u : {0.0, 0.2, 0.5, 0.77, 1.0}) {
        Vec3 point;
        Vec3 tangent;
        curve.pointAndTangent(u, point, tangent);
        expectNear(tangent, unit, 1e-12);
    }
}

TEST(BSplineCurveShape, DegreeBeyondWhatThePointsAllowIsReduced) {
    // Two points can carry a line at most; asking for more must not read outside the arrays.
    BSplineCurve curve(2, 12);
    EXPECT_EQ(curve.degree(), 1);
    EXPECT_EQ(curve.knotCount(), 4);
    curve.setControlPoint(0, 0, 0, 0);
    curve.setControlPoint(1, 2, 4, 6);
    expectNear(curve.evaluate(0.25), {0.5, 1.0, 1.5}, 1e-15);
    BSplineCurve big(20, 15);
    EXPECT_EQ(big.degree(), maxBSplineDegree);
    EXPECT_EQ(big.knotCount(), 20 + maxBSplineDegree + 1);
}

} // namespace
} // namespace tessivo
