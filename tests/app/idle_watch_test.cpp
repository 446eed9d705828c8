#include "app/frame_pacer.h"
#include "app/idle_watch.h"

#include <climits>
#include <cstdint>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

TEST(IdleWatch, AttractsFromTheStartAndAfterEachResetUntilInput) {
    IdleWatch watch(4000, 0);
    EXPECT_TRUE(watch.attracting());
    EXPECT_FALSE(watch.takeResetDue(5000)); // nobody came: all still stands as at the start
    watch.noteInput(5100);
    EXPECT_FALSE(watch.attracting());
    EXPECT_FALSE(watch.takeResetDue(9099));
    EXPECT_TRUE(watch.takeResetDue(9100));
    EXPECT_TRUE(watch.attracting());
    // Once per stretch without input, however long it lasts.
    EXPECT_FALSE(watch.takeResetDue(14000));
    EXPECT_FALSE(watch.takeResetDue(25000));
    watch.noteMotion(25000);
    EXPECT_FALSE(watch.attracting());
    EXPECT_TRUE(watch.takeResetDue(29000));
}

TEST(IdleWatch, ZeroNeverResetsAndAttractsOnlyUntilTheFirstInput) {
    IdleWatch watch(0, 0);
    EXPECT_FALSE(watch.takeResetDue(1000000));
    EXPECT_TRUE(watch.attracting());
    watch.noteInput(1000001);
    EXPECT_FALSE(watch.takeResetDue(9000000));
    EXPECT_FALSE(watch.attracting());
}

TEST(IdleWatch, TheCursorHidesThreeSecondsAfterTheLastMotionAcrossTheClockWrap) {
    const int start = INT_MAX - 1000;
    IdleWatch watch(90000, start);
    EXPECT_FALSE(watch.cursorHidden(INT_MIN + 1998)); // 2999 ms on
    EXPECT_TRUE(watch.cursorHidden(INT_MIN + 2000));  // 3001 ms on, past the wrap
    watch.noteInput(INT_MIN + 2000);                  // a key press is no motion
    EXPECT_TRUE(watch.cursorHidden(INT_MIN + 2001));
    watch.noteMotion(INT_MIN + 2001);
    EXPECT_FALSE(watch.cursorHidden(INT_MIN + 5000));
    EXPECT_TRUE(watch.cursorHidden(INT_MIN + 5001));
}

// What a program that sleeps while nothing moves waits for.
TEST(IdleWatch, TellsHowLongUntilTheResetAndTheCursorHideAcrossTheClockWrap) {
    const int start = INT_MAX - 1000;
    IdleWatch watch(4000, start);
    EXPECT_FALSE(watch.millisecondsToReset(start + 100)); // nobody came yet
    EXPECT_EQ(watch.millisecondsToCursorHide(start + 100), 2900);
    watch.noteMotion(INT_MIN + 1000); // 2001 ms on, past the wrap
    EXPECT_EQ(watch.millisecondsToReset(INT_MIN + 1500), 3500);
    EXPECT_EQ(watch.millisecondsToCursorHide(INT_MIN + 1500), 2500);
    EXPECT_EQ(watch.millisecondsToCursorHide(INT_MIN + 9000), 0);
    EXPECT_EQ(watch.millisecondsToReset(INT_MIN + 9000), 0);
    EXPECT_TRUE(watch.takeResetDue(INT_MIN + 9000));
    EXPECT_FALSE(watch.millisecondsToReset(INT_MIN + 9001)); // all stands as at the start
}

// Frames drawn in ten simulated seconds by a toolkit that fires each timer lateMs after it is
// due and spends drawMs on each frame; the clock reads time modulo 2^32, as the toolkit's does.
int framesInTenSeconds(int framesPerSecond, int lateMs, int drawMs, int start = 0) {
    FramePacer pacer(framesPerSecond);
    const auto clock = [](long long t) { return static_cast<int>(static_cast<std::uint32_t>(t)); };
    int frames = 0;
    for (long long t = start; t < start + 10000LL;) {
        ++frames;
        t += drawMs;
        const int delay = pacer.nextDelay(clock(t));
        EXPECT_GE(delay, 0);
        t += delay + lateMs;
    }
    return frames;
}

TEST(FramePacer, HoldsTheRateDespiteLateTimersAndDrawingTime) {
    for (int rate : {60, 30, 1}) {
        for (int late : {0, 1, 3}) {
            const int frames = framesInTenSeconds(rate, late, 2);
            EXPECT_LE(frames, rate * 10 + 1) << rate << " " << late;
            EXPECT_GE(frames, rate * 10 - 1) << rate << " " << late;
        }
    }
    EXPECT_NEAR(framesInTenSeconds(60, 1, 4, INT_MAX - 5000), 600, 1); // across the wrap
    // No limit: every frame is due at once, as many as the drawing allows.
    EXPECT_EQ(framesInTenSeconds(0, 0, 2), 5000);
}

TEST(FramePacer, CatchesUpAFewLateFramesButStartsAgainAfterAStall) {
    FramePacer pacer(50); // 20 ms
    EXPECT_EQ(pacer.nextDelay(0), 20);
    EXPECT_EQ(pacer.nextDelay(20), 20);
    // A frame that took 50 ms: the next one is due at once, then the grid again.
    EXPECT_EQ(pacer.nextDelay(90), 0);
    EXPECT_EQ(pacer.nextDelay(92), 0);
    EXPECT_EQ(pacer.nextDelay(95), 5);
    // Far behind: draw now, and keep the rate from there.
    EXPECT_EQ(pacer.nextDelay(600), 0);
    EXPECT_EQ(pacer.nextDelay(601), 19);
    // Started again after a rest: the grid from the next frame on, none due at once.
    pacer.restart();
    EXPECT_EQ(pacer.nextDelay(5000), 20);
    EXPECT_EQ(pacer.nextDelay(5021), 19);
}

} // namespace
} // namespace tessivo
