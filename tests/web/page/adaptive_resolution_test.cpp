#include "web/page/adaptive_resolution.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessivo {
namespace {

// Frames drawn for the given milliseconds, each taking as long as frameTime says at the ratio
// of the moment, one after another (or, with moving false, each after a rest); returns how
// often the ratio changed.
int drawFor(AdaptiveResolution& view, double& clock, double milliseconds,
            const std::function<double(double ratio)>& frameTime, bool moving = true) {
    int changes = 0;
    for (const double end = clock + milliseconds; clock < end;) {
        const double before = view.viewRatio();
        clock += frameTime(before);
        view.noteFrame(clock, moving);
        changes += view.viewRatio() != before ? 1 : 0;
    }
    return changes;
}

TEST(AdaptiveResolution, LowersWhenSlowButNotBelowOnePixelPerCssPixel) {
    AdaptiveResolution view(60);
    view.setDeviceRatio(3.0);
    double clock = 0.0;
    drawFor(view, clock, 1300.0, [](double) { return 100.0; });
    EXPECT_LT(view.viewRatio(), 3.0);
    EXPECT_GT(view.viewRatio(), 1.0); // in steps, not at once
    drawFor(view, clock, 20000.0, [](double) { return 100.0; });
    EXPECT_EQ(view.viewRatio(), 1.0);

    // A few frames at once, then a long wait for the graphics: slow all the same, also when
    // a quarter of a second holds many quick frames and only one wait (32 frames a second).
    AdaptiveResolution bursty(60);
    bursty.setDeviceRatio(3.0);
    int frame = 0;
    drawFor(bursty, clock, 10000.0, [&frame](double) { return ++frame % 4 ? 10.0 : 1500.0; });
    EXPECT_LT(bursty.viewRatio(), 3.0);
    AdaptiveResolution runsAhead(60);
    runsAhead.setDeviceRatio(3.0);
    drawFor(runsAhead, clock, 5000.0, [&frame](double) { return ++frame % 10 ? 7.0 : 250.0; });
    EXPECT_EQ(runsAhead.viewRatio(), 1.0);

    AdaptiveResolution zoomedOut(60);
    zoomedOut.setDeviceRatio(0.8);
    drawFor(zoomedOut, clock, 5000.0, [](double) { return 100.0; });
    EXPECT_EQ(zoomedOut.viewRatio(), 0.8);
    EXPECT_EQ(zoomedOut.scale(), 1.0);
}

TEST(AdaptiveResolution, RaisesAgainWithRoomAndRestsAreNotSlowFrames) {
    AdaptiveResolution view(60);
    view.setDeviceRatio(2.0);
    double clock = 0.0;
    drawFor(
        view, clock, 10000.0, [](double) { return 3000.0; }, false); // input now and then
    EXPECT_EQ(view.viewRatio(), 2.0);
    drawFor(view, clock, 5000.0, [](double) { return 50.0; });
    EXPECT_EQ(view.viewRatio(), 1.0);
    drawFor(view, clock, 60000.0, [](double) { return 1000.0 / 60; });
    EXPECT_EQ(view.viewRatio(), 2.0);
}

TEST(AdaptiveResolution, SettlesOnASteadyFrameTime) {
    // The frame's time grows with the view's pixels; the pace holds up to a ratio of 1.48.
    const auto fillBound = [](double ratio) { return std::max(1000.0 / 60, 8.0 * ratio * ratio); };
    AdaptiveResolution view(60);
    view.setDeviceRatio(3.0);
    double clock = 0.0;
    drawFor(view, clock, 20000.0, fillBound);
    const double settled = view.viewRatio();
    EXPECT_GT(settled, 1.2);
    EXPECT_LE(fillBound(settled), AdaptiveResolution::roomShare * 1000.0 / 60);
    // Each try one step higher is taken back, and the tries come ever more rarely.
    EXPECT_LE(drawFor(view, clock, 120000.0, fillBound), 6);
    EXPECT_EQ(view.viewRatio(), settled);

    AdaptiveResolution sharp(60);
    sharp.setDeviceRatio(3.0);
    EXPECT_EQ(drawFor(sharp, clock, 60000.0, [](double) { return 1000.0 / 60; }), 0);
}

} // namespace
} // namespace tessivo
