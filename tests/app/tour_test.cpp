#include "app/exhibit_tour.h"
#include "app/tour_table.h"
#include "app/tour_timing.h"
#include "ui/slider.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

TEST(TourTiming, EachSceneInTurnForItsTimeThenRoundAgain) {
    const auto at = [](int ms) { return tourMomentAt(ms, 6000, 4); };
    EXPECT_EQ(at(0).scene, 0);
    EXPECT_EQ(at(0).phase, 0.0);
    EXPECT_EQ(at(3000).scene, 0);
    EXPECT_EQ(at(3000).phase, 0.5);
    EXPECT_EQ(at(7000).scene, 1);
    EXPECT_EQ(at(7000).visit, 1);
    EXPECT_NEAR(at(7000).phase, 1.0 / 6.0, 1e-12);
    EXPECT_EQ(at(23999).scene, 3);
    EXPECT_EQ(at(25000).scene, 0);
    EXPECT_EQ(at(25000).visit, 4);
}

TEST(TourTiming, ControlsFollowTheirMovesAndStandAtTheStartBefore) {
    const std::vector<TourMove>& rolling = *tourMoves("KleinBottle1");
    EXPECT_FALSE(tourSetting(rolling, 0, 0.05)); // the flat rectangle first, to be read
    EXPECT_NEAR(*tourSetting(rolling, 0, 0.275), 0.5, 1e-12); // halfway up, eased
    EXPECT_EQ(*tourSetting(rolling, 0, 0.5), 1.0);            // the bottle, halfway through
    EXPECT_NEAR(*tourSetting(rolling, 0, 0.6 + 0.35 * 0.25), 1.0 - 0.15625, 1e-12);
    EXPECT_EQ(*tourSetting(rolling, 0, 0.99), 0.0);
    double previous = 0.0;
    for (double phase = 0.1; phase <= 0.45; phase += 0.01) {
        EXPECT_GE(*tourSetting(rolling, 0, phase), previous);
        previous = *tourSetting(rolling, 0, phase);
    }

    const std::vector<TourMove>& modes = *tourMoves("KleinBottle3");
    EXPECT_FALSE(tourSetting(modes, 0, 0.29));
    EXPECT_EQ(*tourSetting(modes, 0, 0.3), 1.0);
    EXPECT_EQ(*tourSetting(modes, 0, 0.6), 2.0);
    EXPECT_EQ(*tourSetting(modes, 0, 0.9), 0.0);

    const std::vector<TourMove>& wheels = *tourMoves("Moebius2");
    EXPECT_EQ(tourPresses(wheels, 0, 0.2), 2);
    EXPECT_EQ(tourPresses(wheels, 0, 0.99), 3);
    EXPECT_EQ(tourPresses(wheels, 1, 0.85), 1);
    EXPECT_EQ(tourPresses(wheels, 2, 0.99), 0);

    const std::vector<TourMove>& map = *tourMoves("Moebius6");
    EXPECT_EQ(*tourSetting(map, mapRegions, 0.36), 3.0);
    EXPECT_EQ(*tourSetting(map, mapRegions, 0.7), 6.0);
    EXPECT_EQ(*tourSetting(map, mapRegions, 0.99), 0.0);
}

// Only the values a drag leaves: a whole pixel of the track, both ends reached.
TEST(TourTable, SlidersStandOnWholePixels) {
    Slider slider;
    slider.position = {200, 20};
    for (double f = 0.0; f <= 1.0; f += 0.013) {
        const double value = sliderValueAt(slider, f);
        EXPECT_EQ(slider.valueOf(slider.pixelOf(value)), value) << f;
        EXPECT_NEAR(slider.pixelOf(value) - slider.left(), f * 99, 0.5) << f;
    }
    EXPECT_EQ(sliderValueAt(slider, 0.0), 0.0);
    EXPECT_EQ(sliderValueAt(slider, 1.0), 1.0);
}

} // namespace
} // namespace tessivo
