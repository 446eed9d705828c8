#include "math/angles.h"
#include "surfaces/moebius/strip_model.h"
#include "surfaces/moebius/wheel.h"
#include "tests/support/gl_context.h"
#include "tests/support/vec3_checks.h"

#include <climits>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::expectNear;

StripModel closedBand() {
    StripModel strip;
    strip.mode = 1;
    strip.applyMode();
    return strip;
}

// A visitor pressing the plus button without end: the band keeps at most maximumWheels, and
// removing one makes room for the next.
TEST(MoebiusWheelList, StopsAddingAtTheMostWheels) {
    testing::FixedClock clock(0);
    StripModel strip = closedBand();
    for (int press = 0; press < 1000; ++press) {
        clock.advance(100);
        strip.addWheel();
    }
    ASSERT_EQ(strip.wheelOffsets.size(), StripModel::maximumWheels);
    // The first wheel is the one added at the first press.
    EXPECT_NEAR(strip.wheelParameters(clock.now()).front(), 1.0 + 0.0001 * (clock.now() - 100),
                1e-9);
    strip.removeOldestWheel();
    strip.addWheel();
    EXPECT_EQ(strip.wheelOffsets.size(), StripModel::maximumWheels);
    EXPECT_EQ(strip.wheelParameters(clock.now()).back(), 1.0);
}

TEST(MoebiusWheelList, AddsAtTheEndOfTheBandAndRemovesTheOldest) {
    testing::FixedClock clock(0);
    StripModel strip = closedBand();
    strip.removeOldestWheel(); // nothing to remove
    EXPECT_TRUE(strip.wheelOffsets.empty());
    strip.addWheel(); // before the toolkit runs the clock reads 0
    clock.set(3000);
    strip.addWheel();
    clock.set(4000);
    auto x = strip.wheelParameters(4000);
    ASSERT_EQ(x.size(), 2u);
    EXPECT_NEAR(x[0], 1.0 + 0.0001 * 4000, 1e-12);
    EXPECT_NEAR(x[1], 1.0 + 0.0001 * 1000, 1e-12);
    strip.removeOldestWheel();
    x = strip.wheelParameters(4000);
    ASSERT_EQ(x.size(), 1u);
    EXPECT_NEAR(x[0], 1.1, 1e-12);
    strip.addWheel();
    strip.addWheel(); // the same millisecond: the two coincide
    x = strip.wheelParameters(6000);
    ASSERT_EQ(x.size(), 3u);
    EXPECT_EQ(x[1], x[2]);
    EXPECT_NEAR(x[1], 1.2, 1e-12);
    strip.clearWheels();
    EXPECT_TRUE(strip.wheelParameters(6000).empty());
}

// A wheel comes back to the seam on the other side of the band after 10 seconds, and to where
// it started after 20.
TEST(MoebiusWheelList, TwoTripsRoundTheBandBringAWheelBack) {
    testing::FixedClock clock(0);
    StripModel strip = closedBand();
    std::mt19937 random(9);
    std::uniform_int_distribution<int> anyStart(-2000000000, 2000000000);
    for (int trial = 0; trial < 50; ++trial) {
        const int start = trial == 0 ? 0 : anyStart(random);
        clock.set(start);
        strip.clearWheels();
        strip.addWheel();
        const WheelPose first = strip.wheelPoseAt(strip.wheelParameters(start)[0]);
        expectNear(first.contact, strip.frameAt(1.0).centre + 0.025 * strip.frameAt(1.0).normal,
                   1e-9);
        clock.advance(10000);
        const double x10 = strip.wheelParameters(clock.now())[0];
        EXPECT_NEAR(x10, 2.0, 1e-9);
        const WheelPose half = strip.wheelPoseAt(x10);
        expectNear(half.contact, first.contact - 0.05 * first.up, 1e-9);
        expectNear(half.up, -1.0 * first.up, 1e-9);
        expectNear(half.axle, -1.0 * first.axle, 1e-9);
        clock.advance(10000);
        const double x20 = strip.wheelParameters(clock.now())[0];
        EXPECT_NEAR(x20, 3.0, 1e-9);
        const WheelPose whole = strip.wheelPoseAt(x20);
        expectNear(whole.hub, first.hub, 1e-9);
        expectNear(whole.up, first.up, 1e-9);
        expectNear(whole.axle, first.axle, 1e-9);
        // It has rolled twice the band's length.
        EXPECT_NEAR(whole.rollRadians - first.rollRadians, -2.0 * 15.0 / 0.3, 1e-9);
    }
}

// The clock's int milliseconds wrap after about 24.8 days; a wheel rolls on across the wrap.
TEST(MoebiusWheelList, RollsOnAcrossTheClockWrap) {
    testing::FixedClock clock(INT_MAX - 2500);
    StripModel strip = closedBand();
    strip.addWheel();
    clock.advance(2500);
    EXPECT_EQ(clock.now(), INT_MAX);
    EXPECT_NEAR(strip.wheelParameters(clock.now())[0], 1.25, 1e-9);
    clock.advance(1);
    EXPECT_EQ(clock.now(), INT_MIN);
    EXPECT_NEAR(strip.wheelParameters(clock.now())[0], 1.2501, 1e-9);
    clock.advance(7499);
    EXPECT_NEAR(strip.wheelParameters(clock.now())[0], 2.0, 1e-9);
    // Any start, any elapsed time under the wrap limit.
    std::mt19937 random(10);
    std::uniform_int_distribution<int> anyStart(INT_MIN, INT_MAX);
    std::uniform_int_distribution<int> anyElapsed(0, 2000000000);
    for (int i = 0; i < 1000; ++i) {
        clock.set(anyStart(random));
        strip.clearWheels();
        strip.addWheel();
        const int elapsed = anyElapsed(random);
        clock.advance(elapsed);
        EXPECT_NEAR(strip.wheelParameters(clock.now())[0], 1.0 + 0.0001 * elapsed, 1e-7);
    }
    // An offset that no clock reading gives still follows the plain formula.
    EXPECT_NEAR(StripModel::wheelParameter(0.5, 1000), 1.6, 1e-12);
    EXPECT_NEAR(StripModel::wheelParameter(1e6, 1000), 1e6 + 1.1, 1e-6);
}

TEST(MoebiusWheelPose, StandsOnTheFaceAcrossTheBand) {
    const StripModel strip = closedBand();
    // Half a band further on: the same centre point, the other face, upside down.
    const WheelPose here = strip.wheelPoseAt(0.5);
    const WheelPose there = strip.wheelPoseAt(1.5);
    expectNear(there.contact - 0.025 * there.up, here.contact - 0.025 * here.up, 1e-9);
    expectNear(there.up, -1.0 * here.up, 1e-9);
    std::mt19937 random(11);
    std::uniform_real_distribution<double> any(0.0, 5.0);
    for (int i = 0; i < 200; ++i) {
        const double x = any(random);
        const WheelPose pose = strip.wheelPoseAt(x);
        const MoebiusFrame frame = strip.frameAt(x);
        expectNear(pose.hub - pose.contact, 0.3 * frame.normal, 1e-9);
        expectNear(pose.axle, frame.across, 1e-9);
        EXPECT_NEAR(pose.rollRadians, -15.0 * x / 0.3, 1e-9);
    }
    const int k = 7;
    EXPECT_NEAR(strip.wheelPoseAt(1.0 + k / 10.0).rollRadians, -(15.0 * (1.0 + k / 10.0)) / 0.3,
                1e-12);
    EXPECT_NEAR(wheelRollDegrees(0.3 * pi), -180.0, 1e-12);
}

TEST(MoebiusWheelShapes, ClosedSampledShapes) {
    const DrawPrimitive band = wheelBand(0.3, 0.03, 30);
    ASSERT_EQ(band.vertices.size(), 60u);
    // The last sample repeats the first, closing the band.
    expectNear(band.vertices[58].position, band.vertices[0].position, 1e-12);
    for (size_t i = 0; i < band.vertices.size(); ++i) {
        const Vec3& p = band.vertices[i].position;
        EXPECT_EQ(p.z, i % 2 == 0 ? 0.03 : -0.03);
        expectNear(band.vertices[i].normal, Vec3{p.x, p.y, 0} / 0.3, 1e-12);
    }
    // The ring's quadrilaterals fill the annulus, less what the chords cut off.
    const auto ring = wheelRing(0.24, 0.3, -0.03, 30);
    ASSERT_EQ(ring.size(), 29u);
    double area = 0.0;
    for (const DrawPrimitive& quad : ring) {
        ASSERT_EQ(quad.vertices.size(), 4u);
        area += length(cross(quad.vertices[2].position - quad.vertices[0].position,
                             quad.vertices[3].position - quad.vertices[1].position)) /
                2.0;
    }
    EXPECT_NEAR(area, pi * (0.09 - 0.0576), 0.01 * pi * (0.09 - 0.0576));
    const DrawPrimitive spoke = wheelSpoke(0.02, 0.24, 15);
    ASSERT_EQ(spoke.vertices.size(), 30u);
    EXPECT_EQ(spoke.vertices[1].position.y, 0.24);
    EXPECT_TRUE(wheelBand(0.3, 0.03, 1).vertices.empty());
    EXPECT_TRUE(wheelRing(0.24, 0.3, 0, 1).empty());
}

} // namespace
} // namespace tessivo
