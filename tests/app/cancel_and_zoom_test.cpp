// What the shell does for a second finger and a pinch: a press that ends without acting, and
// the view's zoom.

#include "app/shell.h"
#include "scene/scene_registry.h"
#include "scene/view_projection.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_scene.h"
#include "ui/push_button.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

class CountingButton : public PushButton {
public:
    void onClick() override { ++clicks; }
    int clicks = 0;
};

class SecondFinger : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        shellState() = ShellState{};
        button = scene.panel->add(std::make_unique<CountingButton>());
        button->offset = {100, 100};
        SceneRegistry::instance().appendToShowList("fingers");
        reshapeCallback(800, 600);
    }
    void press(int x, int y) { mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, x, 600 - y); }

    testing::FixedClock clock{1000};
    testing::TestScene scene{"fingers"};
    CountingButton* button = nullptr;
};

TEST_F(SecondFinger, ACancelledPressClicksNothingAndLeavesTheObjectStill) {
    press(100, 100);
    cancelPress();
    EXPECT_FALSE(button->pressed);
    EXPECT_EQ(button->clicks, 0);
    // A quick drag on empty space, cancelled while moving: no spin.
    press(400, 300);
    for (int i = 1; i <= 5; ++i) {
        clock.advance(10);
        motionCallback(400 + 20 * i, 300);
    }
    cancelPress();
    EXPECT_EQ(scene.ownRotation.spin.x, 0.0);
    EXPECT_EQ(scene.ownRotation.spin.y, 0.0);
}

TEST_F(SecondFinger, TheZoomStaysWithinItsRangeAndTheStartBringsItBack) {
    zoomView(2.0);
    EXPECT_EQ(viewSettings().zoom, 2.0);
    zoomView(10.0);
    EXPECT_EQ(viewSettings().zoom, largestZoom);
    zoomView(0.01);
    EXPECT_EQ(viewSettings().zoom, smallestZoom);
    GLdouble zoomed[16];
    glGetDoublev(GL_PROJECTION_MATRIX, zoomed);
    returnToStart();
    EXPECT_EQ(viewSettings().zoom, 1.0);
    GLdouble plain[16];
    glGetDoublev(GL_PROJECTION_MATRIX, plain);
    EXPECT_NEAR(plain[5] / zoomed[5], 2.0, 1e-6); // half the zoom's field, in its matrix
}

} // namespace
} // namespace tessivo
