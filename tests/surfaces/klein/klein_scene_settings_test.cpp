#include "math/angles.h"
#include "surfaces/klein/klein_scene_settings.h"
#include "surfaces/klein/label_placement.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

TEST(KleinRectangleSlider, RollsOverTheFirstHalfAndClosesOverTheSecond) {
    for (int step = 0; step <= 100; ++step) {
        const double t = step / 100.0;
        const StageSetting s = rectangleSetting(t);
        if (t < 0.5) {
            EXPECT_EQ(s.stage, Rolling) << t;
            EXPECT_NEAR(s.progress, 2 * t, 1e-15);
        } else {
            EXPECT_EQ(s.stage, Closing) << t;
            EXPECT_NEAR(s.progress, 2 * t - 1, 1e-15);
        }
        EXPECT_GE(s.progress, 0.0);
        EXPECT_LE(s.progress, 1.0);
    }
    const StageSetting half = rectangleSetting(0.5);
    EXPECT_EQ(half.stage, Closing);
    EXPECT_EQ(half.progress, 0.0);
}

TEST(KleinLabelDial, AFullTurnTakesTheLabelOnceAroundAndMirrorsIt) {
    EXPECT_NEAR(labelProgress(0.0), 0.07, 1e-15);
    const LabelPlacement rest = labelPlacement(labelProgress(0.0), 100, 50);
    EXPECT_EQ(rest.startRow, 14);
    EXPECT_FALSE(rest.flipped);
    for (double turn : {2 * pi, -2 * pi}) {
        EXPECT_NEAR(labelProgress(turn) - labelProgress(0.0), turn > 0 ? 0.5 : -0.5, 1e-12);
        const LabelPlacement once = labelPlacement(labelProgress(turn), 100, 50);
        EXPECT_TRUE(once.flipped) << turn;
        // Floating point may land the row one below 14, never further.
        EXPECT_NEAR(once.startRow, 14, 1) << turn;
        const LabelPlacement twice = labelPlacement(labelProgress(2 * turn), 100, 50);
        EXPECT_FALSE(twice.flipped) << turn;
    }
}

} // namespace
} // namespace tessivo
