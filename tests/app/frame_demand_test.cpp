#include "app/frame_demand.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

TEST(FrameDemand, AFrameAfterEachChangeAndWhileAnythingMovesAndOneForTheEnd) {
    FrameDemand demand;
    bool turning = false;
    bool rolling = false;
    demand.addMovement([&] { return turning; });
    demand.addMovement([&] { return rolling; });
    EXPECT_TRUE(demand.takeFrameDue()); // the first picture
    EXPECT_FALSE(demand.takeFrameDue());
    demand.markChanged();
    demand.markChanged();
    EXPECT_TRUE(demand.takeFrameDue());
    EXPECT_FALSE(demand.takeFrameDue());

    rolling = true;
    EXPECT_TRUE(demand.moving());
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_TRUE(demand.takeFrameDue());
    }
    turning = true;
    rolling = false;
    EXPECT_TRUE(demand.takeFrameDue());
    turning = false;
    EXPECT_FALSE(demand.moving());
    EXPECT_TRUE(demand.takeFrameDue()); // the step of the last moving frame
    EXPECT_FALSE(demand.takeFrameDue());
}

TEST(FrameDemand, WakesAtTheEarliestAlarm) {
    FrameDemand demand;
    EXPECT_FALSE(demand.millisecondsToAlarm(0));
    bool resetDue = true;
    demand.addAlarm([&](int now) -> std::optional<int> {
        return resetDue ? std::optional<int>(2500 - now) : std::nullopt;
    });
    demand.addAlarm([](int) { return std::optional<int>(); });
    demand.addAlarm([](int now) { return std::optional<int>(3000 - now); });
    EXPECT_EQ(demand.millisecondsToAlarm(1000), 1500);
    EXPECT_EQ(demand.millisecondsToAlarm(4000), 0); // overdue: at once
    resetDue = false;
    EXPECT_EQ(demand.millisecondsToAlarm(1000), 2000);
}

} // namespace
} // namespace tessivo
