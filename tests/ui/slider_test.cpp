#include "tests/ui/controls_fixture.h"
#include "ui/slider.h"

#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::ControlsTest;
using testing::hasColour;

// A slider of 100 pixels centred at (400, 300): the track runs from pixel 350 to 449.
class SliderByPointer : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        slider = addControl(std::make_unique<Slider>(), {400, 300});
    }
    Slider* slider = nullptr;
};

TEST_F(SliderByPointer, PressNearTheKnobGrabsItFartherAwayJumps) {
    slider->value = 0.5; // knob at pixel 399
    ASSERT_EQ(slider->pixelOf(0.5), 399);
    press({409, 310});
    EXPECT_EQ(slider->value, 0.5);
    EXPECT_TRUE(slider->dragging);
    release({409, 310});
    EXPECT_FALSE(slider->dragging);
    press({389, 295});
    EXPECT_EQ(slider->value, 0.5);
    release({389, 295});
    press({410, 300}); // 11 pixels away: jumps to the pressed pixel
    EXPECT_EQ(slider->pixelOf(slider->value), 410);
    EXPECT_NEAR(slider->value, 60.0 / 99.0, 1e-12);
    release({410, 300});
    press({455, 300}); // beside the track's end: clamped
    EXPECT_EQ(slider->value, 1.0);
    release({455, 300});
    press({342, 300});
    EXPECT_EQ(slider->value, 0.0);
}

TEST_F(SliderByPointer, ZoneReachesTenBesideAndBelowThirtyAbove) {
    for (const Vec2 p : {Vec2{340, 300}, Vec2{459, 300}, Vec2{400, 290}, Vec2{400, 330}}) {
        EXPECT_EQ(current().target(p), slider) << p.x << " " << p.y;
    }
    for (const Vec2 p : {Vec2{339, 300}, Vec2{460, 300}, Vec2{400, 289}, Vec2{400, 331}}) {
        EXPECT_NE(current().target(p), slider) << p.x << " " << p.y;
    }
}

TEST_F(SliderByPointer, DragMovesTheKnobByThePointersHorizontalTravel) {
    press({350, 305});
    dragTo({360, 320});
    EXPECT_EQ(slider->pixelOf(slider->value), 360);
    dragTo({385, 290});
    EXPECT_EQ(slider->pixelOf(slider->value), 385);
    EXPECT_NEAR(slider->value, 35.0 / 99.0, 1e-12);
}

TEST_F(SliderByPointer, OvershootIsForgottenSoPointerAndKnobDrift) {
    slider->value = 0.9;
    const int start = slider->pixelOf(0.9);
    press({double(start), 305});
    dragTo({500, 305}); // far past the right end
    EXPECT_EQ(slider->value, 1.0);
    dragTo({520, 305});
    EXPECT_EQ(slider->value, 1.0);
    dragTo({515, 305}); // the first movement back moves the knob at once
    EXPECT_EQ(slider->pixelOf(slider->value), 444);
    dragTo({200, 305});
    EXPECT_EQ(slider->value, 0.0);
    dragTo({230, 305});
    EXPECT_EQ(slider->pixelOf(slider->value), 380);
}

TEST(SliderMapping, SymmetricRangeShowsZeroAtPixel49) {
    Slider slider;
    slider.position = {400, 300};
    slider.minValue = -1;
    slider.maxValue = 1;
    EXPECT_EQ(slider.pixelOf(0.0), 350 + 49);
}

// Random sliders dragged at random: the value never leaves its range, always lies on one of
// the track's pixels, and an event without horizontal movement never moves the knob (plain
// truncation of a value's pixel loses a pixel now and then, which made the knob creep).
TEST(SliderMapping, DraggedValuesStayInRangeOnWholePixels) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> place(60, 740), length(20, 300), step(-40, 40);
    std::uniform_real_distribution<double> bound(-5, 5);
    for (int trial = 0; trial < 200; ++trial) {
        Slider slider;
        slider.position = {double(place(random)), 300};
        slider.trackLength = 2 * length(random); // whole-pixel ends
        slider.minValue = bound(random);
        slider.maxValue = slider.minValue + 0.1 + std::abs(bound(random));
        Vec2 pointer{slider.position.x, 305};
        slider.onPress(pointer);
        for (int event = 0; event < 60; ++event) {
            const int before = slider.pixelOf(slider.value);
            const int dx = event % 3 == 0 ? 0 : step(random);
            pointer = pointer + Vec2{double(dx), double(step(random))};
            slider.onDrag(pointer);
            ASSERT_GE(slider.value, slider.minValue);
            ASSERT_LE(slider.value, slider.maxValue);
            const int pixel = slider.pixelOf(slider.value);
            ASSERT_NEAR(slider.valueOf(pixel), slider.value, 1e-12);
            if (dx == 0) {
                ASSERT_EQ(pixel, before) << "trial " << trial << " event " << event;
            }
        }
    }
}

TEST_F(SliderByPointer, DrawsTrackStopsAndAKnobInItsStateColour) {
    slider->value = 0.25;
    const int g = slider->pixelOf(0.25);
    auto feedback = drawn(*slider);
    // Track and two end stops, then the knob, a triangle drawn last.
    ASSERT_GE(feedback.polygons.size(), 4u);
    const auto knob = feedback.polygons.back();
    feedback.polygons.pop_back();
    for (const auto& polygon : feedback.polygons) {
        EXPECT_TRUE(hasColour(polygon[0], 0.1, 0.8, 0.8));
    }
    const testing::Bounds track = testing::boundsOf(feedback.polygons);
    EXPECT_NEAR(track.minX, 346, 1e-3); // stops 2 pixels wide, 2 pixels off the ends
    EXPECT_NEAR(track.maxX, 453, 1e-3);
    EXPECT_NEAR(track.minY, 298, 1e-3);
    EXPECT_NEAR(track.maxY, 302, 1e-3);
    ASSERT_EQ(knob.size(), 3u);
    EXPECT_NEAR(knob[0].x, g, 1e-3);
    EXPECT_NEAR(knob[0].y, 302, 1e-3); // the tip touches the top of the track
    EXPECT_NEAR(knob[1].y, 310, 1e-3);
    EXPECT_TRUE(hasColour(knob[0], 0.1, 0.8, 0.8));

    hover({double(g), 305});
    EXPECT_TRUE(hasColour(drawn(*slider).polygons.back()[0], 0.8, 0.85, 0.85));
    press({double(g), 305});
    EXPECT_TRUE(hasColour(drawn(*slider).polygons.back()[0], 0.2, 0.1, 0.8));
}

} // namespace
} // namespace tessivo
