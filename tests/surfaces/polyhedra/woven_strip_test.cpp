#include "surfaces/polyhedra/woven_strip.h"
#include "surfaces/polyhedra/woven_strip_drawing.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/support/vec3_checks.h"
#include "tests/surfaces/polyhedra/ambient_only_light.h"
#include "tests/surfaces/polyhedra/woven_materials.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace tessivo {
namespace {

using testing::expectNear;

TEST(StripFrame, IsAnOrthonormalFrameOnTheCentreCircle) {
    const StripFrame start = stripFrame(0.0, 0.0);
    expectNear(start.centre, {2.5, 0, 0});
    expectNear(start.tangent, {0, 1, 0});
    expectNear(start.width, {1, 0, 0});
    expectNear(start.normal, {0, 0, 1});
    // A quarter of the way the centre has gone once half around, the section turned 3/4 pi.
    const StripFrame quarter = stripFrame(0.25, 0.0);
    expectNear(quarter.centre, {-2.5, 0, 0}, 1e-12);
    expectNear(quarter.width, {-std::cos(0.75 * M_PI), 0, std::sin(0.75 * M_PI)}, 1e-12);

    std::mt19937 random(3);
    std::uniform_real_distribution<double> any(-2.0, 2.0);
    for (int i = 0; i < 1000; ++i) {
        const StripFrame f = stripFrame(any(random), 3.0 * any(random));
        EXPECT_NEAR(length(f.centre), 2.5, 1e-12);
        EXPECT_NEAR(f.centre.z, 0.0, 1e-15);
        for (const Vec3& axis : {f.tangent, f.width, f.normal}) {
            EXPECT_NEAR(length(axis), 1.0, 1e-12);
        }
        EXPECT_NEAR(dot(f.tangent, f.centre), 0.0, 1e-12);
        EXPECT_NEAR(dot(f.tangent, f.width), 0.0, 1e-12);
        EXPECT_NEAR(dot(f.tangent, f.normal), 0.0, 1e-12);
        EXPECT_NEAR(dot(f.width, f.normal), 0.0, 1e-12);
        // W, N span the cross-section with W x N = -T: (W, N) is the pair (R, Z) turned by psi.
        expectNear(cross(f.width, f.normal), -f.tangent, 1e-12);
    }
}

TEST(StripFrame, SecondPassCrossesTheFirstAndTheEndMeetsTheStartReversed) {
    std::mt19937 random(4);
    std::uniform_real_distribution<double> any(-1.0, 1.0);
    for (int i = 0; i < 1000; ++i) {
        const double s = any(random);
        const double phi = 4.0 * any(random);
        const StripFrame f = stripFrame(s, phi);
        const StripFrame half = stripFrame(s + 0.5, phi);
        const StripFrame whole = stripFrame(s + 1.0, phi);
        expectNear(half.centre, f.centre, 1e-12);
        expectNear(half.tangent, f.tangent, 1e-12);
        expectNear(half.width, -f.normal, 1e-12);
        expectNear(half.normal, f.width, 1e-12);
        expectNear(whole.centre, f.centre, 1e-12);
        expectNear(whole.width, -f.width, 1e-12);
        expectNear(whole.normal, -f.normal, 1e-12);
    }
}

TEST(SlotProfile, HalfEllipsesOf32StepsEvery50) {
    EXPECT_EQ(slotProfile(0).x, 1.0);
    EXPECT_EQ(slotProfile(0).depth, 0.0);
    EXPECT_EQ(slotProfile(16).x, 0.0);
    EXPECT_NEAR(slotProfile(16).depth, 0.6, 1e-15);
    EXPECT_EQ(slotProfile(32).x, -1.0);
    EXPECT_EQ(slotProfile(32).depth, 0.0);
    EXPECT_NEAR(slotProfile(24).depth, 0.6 * std::sqrt(0.75), 1e-15);
    EXPECT_NEAR(slotProfile(324).depth, 0.6 * std::sqrt(0.75), 1e-15);
    int slotStarts = 0;
    for (int i = 0; i < wovenBandSteps; ++i) {
        const SlotProfile p = slotProfile(i);
        const int m = i % 50;
        EXPECT_NEAR(p.x * p.x + p.y * p.y, 1.0, 1e-15);
        EXPECT_NEAR(p.depth, 0.6 * p.y * (m <= 32 ? 1.0 : 0.0), 1e-15);
        if (m > 32) {
            EXPECT_EQ(p.x, 0.0);
            EXPECT_EQ(p.y, 1.0);
        } else {
            // Across a slot x falls from 1 to -1 in equal steps.
            EXPECT_NEAR(p.x, 1.0 - m / 16.0, 1e-15);
        }
        if (p.depth > 0.0 && slotProfile(i - 1).depth == 0.0) {
            ++slotStarts;
        }
    }
    EXPECT_EQ(slotStarts, 13);
    EXPECT_EQ(slotProfile(-1).depth, slotProfile(49).depth);
    EXPECT_EQ(slotProfile(-34).x, slotProfile(16).x);
}

TEST(WovenStripCounts, CutAndTrimShortenBandAndTube) {
    EXPECT_EQ(stripStepCount(0.0), 650);
    EXPECT_EQ(stripEndStep(0.0), 649);
    EXPECT_EQ(stripStepCount(0.5), 325);
    EXPECT_EQ(stripEndStep(0.5), 324);
    EXPECT_EQ(stripStepCount(1.0), 0);
    EXPECT_EQ(stripEndStep(1.0), -1);
    EXPECT_EQ(stripStepCount(0.0001), 649);
    EXPECT_EQ(edgeSegmentCount(0.0), 200);
    EXPECT_EQ(edgeSegmentCount(0.5), 100);
    EXPECT_EQ(edgeSegmentCount(1.0), 0);
    // Values a slider cannot give are held to its range; NaN shows everything.
    EXPECT_EQ(stripStepCount(-0.5), 650);
    EXPECT_EQ(stripStepCount(3.0), 0);
    EXPECT_EQ(stripStepCount(std::nan("")), 650);
    EXPECT_EQ(edgeSegmentCount(std::nan("")), 200);
    EXPECT_EQ(edgeSegmentCount(-1.0), 200);
}

TEST(WovenStripCounts, RedMarksSitAtTheEnds) {
    for (int i = 0; i < 325; ++i) {
        EXPECT_EQ(stripPairMarked(i, 325), i < 3 || i >= 321) << i;
    }
    // Too short for both ends: the start's red ends at pair 3 regardless.
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(stripPairMarked(i, 7), i < 3) << i;
        EXPECT_EQ(stripPairMarked(i, 5), i < 3) << i;
    }
    EXPECT_TRUE(stripPairMarked(4, 8));
    EXPECT_FALSE(stripPairMarked(3, 8));
    for (int f = 0; f < 100; ++f) {
        EXPECT_EQ(edgeSegmentMarked(f, 100), f == 0 || f == 99) << f;
    }
    EXPECT_TRUE(edgeSegmentMarked(0, 2));
    EXPECT_FALSE(edgeSegmentMarked(1, 2));
    EXPECT_TRUE(edgeSegmentMarked(0, 1));
}

// The six parts the band is drawn with (faces 0 to 3, walls 4 and 6) outline the two halves of
// its cross-section, each piece once: on either side of the slot a face on each side of the
// thickness, from the slot's edge out to the band's edge at 0.8, and a wall across the
// thickness at the slot's edge. Seen in the cross-section's own coordinates (width, normal).
TEST(StripParts, OutlineBothHalvesOfTheCrossSectionOnce) {
    const double phi = 0.7;
    std::vector<std::vector<StripVertexPair>> parts;
    for (const int part : {0, 1, 2, 3, 4, 6}) {
        parts.push_back(stripPartVertices(part, phi, 0.0));
        ASSERT_EQ(parts.back().size(), 650u);
    }
    EXPECT_TRUE(stripPartVertices(-1, phi, 0.0).empty());
    EXPECT_TRUE(stripPartVertices(8, phi, 0.0).empty());
    // A segment as its two end points in micro-units, the lesser first, so that segments
    // compare whichever way they run (where a slot has no depth the two walls coincide).
    using Segment = std::array<long long, 4>;
    auto segment = [](double w0, double n0, double w1, double n1) {
        Segment s{std::llround(w0 * 1e6), std::llround(n0 * 1e6), std::llround(w1 * 1e6),
                  std::llround(n1 * 1e6)};
        if (std::pair{s[2], s[3]} < std::pair{s[0], s[1]}) {
            s = {s[2], s[3], s[0], s[1]};
        }
        return s;
    };
    for (int i = 0; i < 650; i += 7) {
        const StripFrame f = stripFrame(i / 649.0, phi);
        const double d = slotProfile(i).depth;
        std::vector<Segment> expected, drawn;
        for (const double side : {-1.0, 1.0}) {
            expected.push_back(segment(side * d, -0.05, side * d, 0.05));
            for (const double face : {-1.0, 1.0}) {
                expected.push_back(segment(side * d, face * 0.05, side * 0.8, face * 0.05));
            }
        }
        for (const auto& part : parts) {
            const Vec3 a = part[i].first - f.centre, b = part[i].second - f.centre;
            EXPECT_NEAR(dot(a, f.tangent), 0.0, 1e-9);
            drawn.push_back(
                segment(dot(a, f.width), dot(a, f.normal), dot(b, f.width), dot(b, f.normal)));
        }
        std::sort(expected.begin(), expected.end());
        std::sort(drawn.begin(), drawn.end());
        EXPECT_EQ(drawn, expected) << "step " << i;
    }
}

TEST(StripPartVertices, FacesSpanFromTheSlotToTheEdgeAndWallsTheThickness) {
    const double phi = 0.7;
    for (int part : {0, 1, 2, 3, 4, 6}) {
        const StripPart kind = stripPart(part);
        const auto pairs = stripPartVertices(part, phi, 0.0);
        ASSERT_EQ(pairs.size(), 650u);
        for (size_t i = 0; i < pairs.size(); ++i) {
            const StripFrame f = stripFrame(i / 649.0, phi);
            const double depth = slotProfile(static_cast<int>(i)).depth;
            const auto along = [&](const Vec3& p) {
                return Vec3{dot(p - f.centre, f.tangent), dot(p - f.centre, f.width),
                            dot(p - f.centre, f.normal)};
            };
            EXPECT_FALSE(pairs[i].marked);
            EXPECT_NEAR(length(pairs[i].normal), 1.0, 1e-12);
            if (kind.wall) {
                expectNear(along(pairs[i].first), {0, kind.sigma * depth, -kind.offset});
                expectNear(along(pairs[i].second), {0, kind.sigma * depth, kind.offset});
            } else {
                expectNear(along(pairs[i].first), {0, kind.sigma * depth, kind.offset});
                expectNear(along(pairs[i].second), {0, kind.sigma * 0.8, kind.offset});
                expectNear(pairs[i].normal, kind.sigma * f.normal);
            }
        }
    }
}

TEST(StripPartVertices, CutBandKeepsItsStartAndMarksOnlyFaces) {
    const auto whole = stripPartVertices(3, 0.2, 0.0);
    const auto half = stripPartVertices(3, 0.2, 0.5);
    ASSERT_EQ(half.size(), 325u);
    for (size_t i = 0; i < half.size(); ++i) {
        expectNear(half[i].first, whole[i].first, 0.0);
        EXPECT_EQ(half[i].marked, i < 3 || i >= 321) << i;
    }
    for (const auto& pair : stripPartVertices(4, 0.2, 0.5)) {
        EXPECT_FALSE(pair.marked);
    }
    EXPECT_TRUE(stripPartVertices(0, 0.2, 1.0).empty());
}

TEST(StripCaps, CloseBothEndsOfACutBand) {
    EXPECT_TRUE(stripCapPolygons(0.0, 1.0).empty());
    const double phi = 1.1;
    const auto caps = stripCapPolygons(phi, 0.5);
    ASSERT_EQ(caps.size(), 4u);
    const StripFrame start = stripFrame(0.0, phi);
    const StripFrame end = stripFrame(324 * 0.0015408320493066256, phi);
    const double notch = 0.6 * std::sqrt(1.0 - 0.25);
    const struct {
        const StripFrame& frame;
        double inner;
    } ends[2] = {{start, 0.0}, {end, notch}};
    for (int k = 0; k < 4; ++k) {
        const StripFrame& f = ends[k / 2].frame;
        const double side = k % 2 == 0 ? 1.0 : -1.0;
        expectNear(caps[k].normal, f.tangent);
        double nearest = 1.0;
        for (const Vec3& corner : caps[k].corners) {
            const Vec3 d = corner - f.centre;
            // In the plane of the cross-section, on one side of the centre line.
            EXPECT_NEAR(dot(d, f.tangent), 0.0, 1e-12);
            EXPECT_NEAR(std::abs(dot(d, f.normal)), 0.05, 1e-12);
            EXPECT_GT(side * dot(d, f.width), ends[k / 2].inner - 1e-12);
            EXPECT_LE(side * dot(d, f.width), 0.8 + 1e-12);
            nearest = std::min(nearest, side * dot(d, f.width));
        }
        // The far end sits inside a slot and leaves a notch at the centre line.
        EXPECT_NEAR(nearest, ends[k / 2].inner, 1e-12);
    }
}

TEST(EdgeTube, RingsCircleTheEdgeAndTheTubeCloses) {
    std::mt19937 random(8);
    std::uniform_real_distribution<double> any(0.0, 2.0);
    for (int trial = 0; trial < 200; ++trial) {
        const double s = any(random);
        const double phi = 3.0 * any(random);
        const StripFrame f = stripFrame(s, phi);
        const auto ring = edgeTubeRing(s, phi);
        const Vec3 edge = f.centre + 0.8 * f.width;
        for (const TubeVertex& v : ring) {
            EXPECT_NEAR(length(v.normal), 1.0, 1e-12);
            EXPECT_NEAR(dot(v.normal, f.tangent), 0.0, 1e-12);
            expectNear(v.position - edge, 0.08 * v.normal);
        }
        expectNear(ring[9].position, ring[0].position, 1e-12);
    }
    const auto segments = edgeTubeSegments(0.4, 0.0);
    ASSERT_EQ(segments.size(), 200u);
    for (size_t f = 0; f < segments.size(); ++f) {
        EXPECT_FALSE(segments[f].marked);
        const auto& next = segments[(f + 1) % segments.size()];
        for (int j = 0; j < 10; ++j) {
            // Rings alternate near and far; each far ring is the next segment's near ring.
            expectNear(segments[f].vertices[2 * j + 1].position, next.vertices[2 * j].position,
                       1e-12);
        }
    }
    // The second stretch follows the other long edge of the band.
    const StripFrame first = stripFrame(0.3, 0.4);
    expectNear(segments[130].vertices[0].position - segments[130].vertices[0].normal * 0.08,
               first.centre - 0.8 * first.width, 1e-12);

    const auto trimmed = edgeTubeSegments(0.4, 0.5);
    ASSERT_EQ(trimmed.size(), 100u);
    for (size_t f = 0; f < trimmed.size(); ++f) {
        EXPECT_EQ(trimmed[f].marked, f == 0 || f == 99);
    }
    EXPECT_TRUE(edgeTubeSegments(0.4, 1.0).empty());
}

std::vector<StripVertexPair> allParts(double phi, double cut, int order[6]) {
    std::vector<StripVertexPair> all;
    for (int k = 0; k < 6; ++k) {
        const auto pairs = stripPartVertices(order[k], phi, cut);
        all.insert(all.end(), pairs.begin(), pairs.end());
    }
    return all;
}

void expectSamePairs(const std::vector<StripVertexPair>& a, const std::vector<StripVertexPair>& b,
                     double tolerance) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        expectNear(a[i].normal, b[i].normal, tolerance);
        expectNear(a[i].first, b[i].first, tolerance);
        expectNear(a[i].second, b[i].second, tolerance);
        EXPECT_EQ(a[i].marked, b[i].marked);
    }
}

TEST(WovenDial, AFullTurnChangesNothingAndAHalfTurnExchangesTheHalves) {
    int parts[6] = {0, 1, 2, 3, 4, 6};
    int exchanged[6] = {2, 3, 0, 1, 6, 4};
    for (double phi : {0.0, 0.9, -2.3}) {
        for (double cut : {0.0, 0.5}) {
            expectSamePairs(allParts(phi + 2.0 * M_PI, cut, parts), allParts(phi, cut, parts),
                            1e-9);
            expectSamePairs(allParts(phi + M_PI, cut, parts), allParts(phi, cut, exchanged), 1e-9);
        }
        const auto caps = stripCapPolygons(phi, 0.5);
        const auto turned = stripCapPolygons(phi + M_PI, 0.5);
        const auto around = stripCapPolygons(phi + 2.0 * M_PI, 0.5);
        for (size_t k = 0; k < 4; ++k) {
            for (size_t c = 0; c < 4; ++c) {
                expectNear(around[k].corners[c], caps[k].corners[c], 1e-9);
                expectNear(turned[k].corners[c], caps[k ^ 1].corners[c], 1e-9);
            }
        }
        // The tube: unchanged after a full turn; after a half turn a trimmed tube starts on the
        // other long edge, where the untrimmed tube's second stretch runs.
        const auto tube = edgeTubeSegments(phi, 0.0);
        const auto tubeAround = edgeTubeSegments(phi + 2.0 * M_PI, 0.0);
        const auto tubeTurned = edgeTubeSegments(phi + M_PI, 0.5);
        for (size_t f = 0; f < tube.size(); ++f) {
            for (size_t j = 0; j < 20; ++j) {
                expectNear(tubeAround[f].vertices[j].position, tube[f].vertices[j].position, 1e-9);
            }
        }
        for (size_t f = 0; f < tubeTurned.size(); ++f) {
            for (size_t j = 0; j < 20; j += 2) {
                const TubeVertex& a = tubeTurned[f].vertices[j];
                const TubeVertex& b = tube[f + 100].vertices[j];
                expectNear(a.position - 0.08 * a.normal, b.position - 0.08 * b.normal, 1e-9);
            }
        }
    }
}

using WovenStripDrawing = testing::GlTest;

TEST_F(WovenStripDrawing, WholeBandHasNoMarksAndNoCaps) {
    testing::useAmbientOnlyLight(4.0);
    const auto feedback = testing::captureFeedback([] { drawWovenStrip(0.0, 0.3, 0.0); });
    ASSERT_FALSE(feedback.overflowed);
    auto count = testing::trianglesByMaterial(feedback);
    // Quad strips of 650 pairs: 649 quads, two triangles each.
    EXPECT_EQ(count['w'], 2 * 2 * 649);
    EXPECT_EQ(count['b'], 4 * 2 * 649);
    // 200 triangle strips of 20 vertices.
    EXPECT_EQ(count['t'], 200 * 18);
    EXPECT_EQ(count['r'] + count['c'] + count['m'] + count['?'], 0);
}

TEST_F(WovenStripDrawing, CutBandAndTrimmedTubeShowRedEndsAndCaps) {
    testing::useAmbientOnlyLight(4.0);
    const auto feedback = testing::captureFeedback([] { drawWovenStrip(0.5, -0.4, 0.5); });
    ASSERT_FALSE(feedback.overflowed);
    auto count = testing::trianglesByMaterial(feedback);
    EXPECT_EQ(count['w'], 2 * 2 * 324);
    // Per face strip of 325 pairs: red pairs 0..2 and 321..324 give 2 + 3 red quads, the
    // pairs 3..320 give 317 band quads, and two quads blend from one to the other.
    EXPECT_EQ(count['r'], 4 * 2 * 5 + 2 * 18);
    EXPECT_EQ(count['b'], 4 * 2 * 317);
    EXPECT_EQ(count['m'], 4 * 2 * 2);
    EXPECT_EQ(count['t'], 98 * 18);
    EXPECT_EQ(count['c'], 4 * 2);
    EXPECT_EQ(count['?'], 0);
}

TEST_F(WovenStripDrawing, FullyCutBandLeavesOnlyTheTube) {
    testing::useAmbientOnlyLight(4.0);
    const auto feedback = testing::captureFeedback([] { drawWovenStrip(1.0, 0.0, 0.0); });
    auto count = testing::trianglesByMaterial(feedback);
    EXPECT_EQ(count['t'], 200 * 18);
    EXPECT_EQ(count['t'] + 0, static_cast<int>(feedback.polygons.size()));
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

} // namespace
} // namespace tessivo
