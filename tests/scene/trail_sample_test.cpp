#include "scene/trail_sample.h"

#include <climits>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

TEST(TrailVelocity, MeasuresFromTheOldestSampleYoungerThanTheWindow) {
    const std::vector<TrailSample> trail{{0, 0, 0}, {10, 5, 40}, {30, 5, 80}};
    // Over 100 ms at 120 the sample of time 0 is too old; the one of time 40 is the reference.
    auto v = trailVelocity(trail, {50, 25}, 120, 100);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->x, 40.0 / 80.0);
    EXPECT_DOUBLE_EQ(v->y, 20.0 / 80.0);
    // At exactly 100 ms the first sample is out as well.
    v = trailVelocity(trail, {50, 5}, 100, 100);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->x, 40.0 / 60.0);
    // When all samples are young the press sample is the reference, as over a longer window.
    v = trailVelocity(trail, {50, 0}, 90, 100);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->x, 50.0 / 90.0);
    v = trailVelocity(trail, {60, 40}, 199, 200);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->y, 40.0 / 199.0);
}

TEST(TrailVelocity, RestedPointerGivesZeroAndNoTimeSpanNone) {
    for (const auto& [trail, window] : std::vector<std::pair<std::vector<TrailSample>, int>>{
             {{{0, 0, 0}, {10, 5, 40}}, 100}, {{}, 100}, {{{0, 0, 0}}, 200}}) {
        const auto v = trailVelocity(trail, {10, 5}, 500, window);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->x, 0.0);
        EXPECT_EQ(v->y, 0.0);
    }
    EXPECT_FALSE(trailVelocity({{0, 0, 500}}, {20, 0}, 500, 100));
    // A release 1 ms after a press without motion is a real velocity of 0.
    const auto still = trailVelocity({{7, 7, 500}}, {7, 7}, 501, 100);
    ASSERT_TRUE(still);
    EXPECT_EQ(still->x, 0.0);
}

TEST(TrailVelocity, MeasuresTheTimeModuloTheClockWrap) {
    const int beforeWrap = INT_MAX - 30;
    const int afterWrap = INT_MIN + 29; // 60 ms after beforeWrap
    const std::vector<TrailSample> trail{{0, 0, beforeWrap}};
    auto v = trailVelocity(trail, {30, 0}, afterWrap, 100);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->x, 30.0 / 60.0);
    // 100 ms across the wrap is as old as 100 ms anywhere else.
    v = trailVelocity(trail, {30, 0}, INT_MIN + 69, 100);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->x, 0.0);
}

// A drag held for a long time (a visitor leaning on the button, a stuck mouse) keeps only the
// samples that a release could still use, and the release measures what it measured before.
TEST(TrailLongDrag, KeepsOnlyTheSamplesAReleaseCanUse) {
    std::vector<TrailSample> pruned, whole;
    std::mt19937 random(5);
    int t = INT_MAX - 500000; // runs across the clock's wrap too
    for (int i = 0; i < 200000; ++i) {
        t = static_cast<int>(static_cast<unsigned>(t) + random() % 12);
        const TrailSample sample{static_cast<int>(random() % 800), static_cast<int>(random() % 600),
                                 t};
        appendTrailSample(pruned, sample, 100);
        whole.push_back(sample);
        ASSERT_LE(pruned.size(), 101u);
        if (i % 997 == 0) {
            const int release = static_cast<int>(static_cast<unsigned>(t) + random() % 150);
            const Vec2 pointer{static_cast<double>(random() % 800), 5.0};
            const auto expected = trailVelocity(whole, pointer, release, 100);
            const auto actual = trailVelocity(pruned, pointer, release, 100);
            ASSERT_EQ(expected.has_value(), actual.has_value());
            if (expected) {
                EXPECT_EQ(expected->x, actual->x);
                EXPECT_EQ(expected->y, actual->y);
            }
        }
    }
}

} // namespace
} // namespace tessivo
