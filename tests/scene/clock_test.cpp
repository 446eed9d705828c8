#include "scene/clock.h"

#include <climits>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

// The animations' time stands still while held, and runs on from there at the wall clock's
// rate, across the wrap of both.
TEST(AnimationClock, StandsStillWhileHeldAndRunsOnFromWhereItStood) {
    setClockForTesting(INT_MAX - 100);
    holdAnimationClock();
    setClockForTesting(INT_MIN + 59900); // a minute on, past the wrap
    holdAnimationClock();
    EXPECT_EQ(nowMilliseconds(), INT_MAX - 100);
    EXPECT_EQ(wallClockMilliseconds(), INT_MIN + 59900);
    resumeAnimationClock();
    resumeAnimationClock();
    EXPECT_EQ(nowMilliseconds(), INT_MAX - 100);
    setClockForTesting(INT_MIN + 60000);
    EXPECT_EQ(nowMilliseconds(), INT_MAX);
    setClockForTesting(INT_MIN + 60016);
    EXPECT_EQ(nowMilliseconds(), INT_MIN + 15);
    releaseClockForTesting();
    setClockForTesting(5);
    EXPECT_EQ(nowMilliseconds(), 5); // released, nothing of the holds is left
    releaseClockForTesting();
}

} // namespace
} // namespace tessivo
