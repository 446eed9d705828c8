#include "tests/ui/controls_fixture.h"
#include "ui/push_button.h"
#include "ui/scene_step_button.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::ControlsTest;
using testing::hasColour;

class CountingButton : public PushButton {
public:
    void onClick() override { ++clicks; }
    int clicks = 0;
};

TEST(PushButtonHit, TakesThePointerStrictlyInsideRadius10) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> angle(0.0, 2 * M_PI);
    std::uniform_int_distribution<int> pixel(20, 780);
    PushButton button;
    for (int i = 0; i < 500; ++i) {
        button.position = {double(pixel(random)), double(pixel(random))};
        const double a = angle(random);
        const Vec2 direction{std::cos(a), std::sin(a)};
        EXPECT_TRUE(button.contains(button.position + 9.9 * direction));
        EXPECT_FALSE(button.contains(button.position + 10.1 * direction));
        // Exactly 10 away, along the axes and along a 6-8-10 triangle: outside.
        EXPECT_FALSE(button.contains(button.position + Vec2{10, 0}));
        EXPECT_FALSE(button.contains(button.position + Vec2{0, -10}));
        EXPECT_FALSE(button.contains(button.position + Vec2{-6, 8}));
        EXPECT_EQ(button.target(button.position + Vec2{7, 7}), &button); // a corner of the square
        EXPECT_EQ(button.target(button.position + Vec2{6, 8}), nullptr);
    }
}

class PushButtonByPointer : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        button = addControl(std::make_unique<CountingButton>(), {300, 300});
    }
    CountingButton* button = nullptr;
};

TEST_F(PushButtonByPointer, ClickRunsOnClickOnce) {
    hover({303, 302});
    EXPECT_TRUE(button->hover);
    press({303, 302});
    EXPECT_TRUE(button->pressed);
    dragTo({305, 296}); // wandering inside the circle is still a click
    release({305, 296});
    EXPECT_EQ(button->clicks, 1);
    EXPECT_FALSE(button->pressed);
}

TEST_F(PushButtonByPointer, DraggingOffBeforeTheReleaseIsNoClick) {
    press({300, 300});
    dragTo({330, 300});
    release({330, 300});
    EXPECT_EQ(button->clicks, 0);
    EXPECT_FALSE(button->pressed);
    hover({330, 300}); // the pointer is found to be elsewhere: the button loses its hover
    EXPECT_FALSE(button->hover);
    const auto feedback = drawn(*button);
    ASSERT_FALSE(feedback.polygons.empty());
    for (const auto& polygon : feedback.polygons) {
        EXPECT_TRUE(hasColour(polygon[0], 0.1, 0.8, 0.8));
    }
}

TEST_F(PushButtonByPointer, ReleaseOverTheButtonAfterAPressElsewhereIsNoClick) {
    press({500, 500}); // turns the object
    dragTo({300, 300});
    release({300, 300});
    EXPECT_EQ(button->clicks, 0);
}

TEST_F(PushButtonByPointer, DrawsA14PixelSquareInTheStateColour) {
    const struct {
        bool pressed, hover;
        double r, g, b;
    } states[] = {{false, false, 0.1, 0.8, 0.8},
                  {false, true, 0.5, 1.0, 1.0},
                  {true, false, 0.8, 0.1, 0.1},
                  {true, true, 1.0, 0.5, 0.5}};
    for (const auto& state : states) {
        button->pressed = state.pressed;
        button->hover = state.hover;
        const auto feedback = drawn(*button);
        ASSERT_FALSE(feedback.polygons.empty());
        for (const auto& polygon : feedback.polygons) {
            for (const auto& v : polygon) {
                EXPECT_TRUE(hasColour(v, state.r, state.g, state.b))
                    << state.pressed << state.hover << " " << v.r << " " << v.g << " " << v.b;
            }
        }
        const testing::Bounds square = testing::boundsOf(feedback.polygons);
        EXPECT_NEAR(square.minX, 293, 1e-3);
        EXPECT_NEAR(square.maxX, 307, 1e-3);
        EXPECT_NEAR(square.minY, 293, 1e-3);
        EXPECT_NEAR(square.maxY, 307, 1e-3);
    }
}

// The step arrows of the standard panel: previous at (40, 20), next at (60, 20).
class StepArrows : public ControlsTest {
protected:
    SceneStepButton* previous() { return standard<SceneStepButton>(0); }
    SceneStepButton* next() { return standard<SceneStepButton>(1); }
    int currentIndex() { return SceneRegistry::instance().currentIndex(); }
};

TEST_F(StepArrows, StepThroughTheShowListAndStopAtTheEnds) {
    clickAt({60, 20});
    EXPECT_EQ(currentIndex(), 1);
    clickAt({61, 22});
    EXPECT_EQ(currentIndex(), 2);
    // The last scene: the next arrow is invisible, but still hovers and takes presses.
    SceneStepButton* hiddenNext = next();
    EXPECT_TRUE(drawn(*hiddenNext).polygons.empty());
    hover({60, 20});
    EXPECT_TRUE(hiddenNext->hover);
    press({60, 20});
    EXPECT_TRUE(hiddenNext->pressed);
    release({60, 20});
    EXPECT_EQ(currentIndex(), 2);
    clickAt({40, 20});
    EXPECT_EQ(currentIndex(), 1);
    clickAt({40, 20});
    EXPECT_EQ(currentIndex(), 0);
    clickAt({40, 20}); // the invisible previous arrow of the first scene
    EXPECT_EQ(currentIndex(), 0);
    EXPECT_TRUE(drawn(*previous()).polygons.empty());
}

TEST_F(StepArrows, ArrowsPointAwayFromTheCurrentScene) {
    SceneRegistry::instance().setCurrent(1);
    for (SceneStepButton* arrow : {previous(), next()}) {
        const auto feedback = drawn(*arrow);
        ASSERT_EQ(feedback.polygons.size(), 1u);
        const auto& triangle = feedback.polygons[0];
        ASSERT_EQ(triangle.size(), 3u);
        // The tip is the corner on the centre line, 7 pixels out in the arrow's direction.
        const double tipX = arrow->direction == SceneStepButton::previous ? 33.0 : 67.0;
        int tips = 0;
        for (const auto& v : triangle) {
            EXPECT_TRUE(hasColour(v, 0.1, 0.8, 0.8));
            tips += testing::at(v.x, tipX) && testing::at(v.y, 20);
            EXPECT_TRUE(testing::at(v.x, tipX) || testing::at(std::abs(v.x - arrow->position.x), 7))
                << v.x;
        }
        EXPECT_EQ(tips, 1);
    }
}

} // namespace
} // namespace tessivo
