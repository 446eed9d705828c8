#include "app/shell.h"
#include "scene/clock.h"
#include "scene/scene_registry.h"
#include "tests/support/gl_context.h"
#include "tests/support/resident_memory.h"
#include "tests/support/test_scene.h"

#include <GL/glut.h>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::FixedClock;
using testing::RecordingControl;
using testing::residentKib;
using testing::TestScene;

// The shell's callbacks driving a scene with two controls: a at overlay (100, 100), b at
// (200, 100).
class ShellPointer : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        shellState() = ShellState{}; // no handler of an earlier test's scene stays hovered
        a = scene.panel->add(std::make_unique<RecordingControl>("a", log));
        b = scene.panel->add(std::make_unique<RecordingControl>("b", log));
        a->offset = {100, 100};
        b->offset = {200, 100};
        SceneRegistry::instance().appendToShowList("shell");
        reshapeCallback(800, 600);
    }
    // Window coordinates have y down: overlay y = 600 - window y.
    static int windowY(int overlayY) { return 600 - overlayY; }

    FixedClock clock{1000};
    std::vector<std::string> log;
    TestScene scene{"shell"};
    RecordingControl* a = nullptr;
    RecordingControl* b = nullptr;
};

TEST_F(ShellPointer, ReshapeLaysOutTheCurrentScene) {
    EXPECT_EQ(shellState().windowWidth, 800);
    EXPECT_EQ(shellState().windowHeight, 600);
    EXPECT_EQ(a->position, (Vec2{100, 100}));
    EXPECT_EQ(scene.lastReshape, std::make_pair(800, 600));
}

// What the driver does to the heap when the window is resized large and then through smaller
// sizes: a buffer the size of the window, filled, a small block allocated while it is live
// (state the driver keeps), then the buffer freed for the next size. The small blocks pin the
// freed buffers' pages in the heap. Returns the small blocks.
std::vector<void*> leavePinnedHoles() {
    std::vector<void*> kept;
    for (std::size_t megabytes : {16, 4, 8, 12}) {
        const std::size_t size = megabytes << 20;
        void* buffer = std::malloc(size);
        std::memset(buffer, 1, size);
        kept.push_back(std::malloc(64));
        std::free(buffer);
    }
    return kept;
}

TEST_F(ShellPointer, TheFirstFrameAtANewSizeGivesTheHeapsFreePagesBack) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps freed blocks in quarantine";
#endif
    displayCallback();
    const long before = residentKib();
    const std::vector<void*> kept = leavePinnedHoles();
    displayCallback(); // the same size and scene: the heap is not walked again
    const long sameSize = residentKib();
    reshapeCallback(640, 480);
    displayCallback();
    const long newSize = residentKib();
    for (void* block : kept) {
        std::free(block);
    }
    EXPECT_GT(sameSize - before, 8192) << "KiB resident before " << before;
    EXPECT_LT(newSize - before, 2048) << "KiB resident before " << before;
}

TEST_F(ShellPointer, HoverLeavesTheOldHandlerBeforeEnteringTheNew) {
    passiveMotionCallback(100, windowY(100));
    passiveMotionCallback(102, windowY(101));
    passiveMotionCallback(200, windowY(100));
    passiveMotionCallback(400, windowY(400));
    const std::vector<std::string> expected{"enter a", "move a", "move a", "leave a",
                                            "enter b", "move b", "leave b"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(shellState().hoveredHandler, scene.rotation());
}

TEST_F(ShellPointer, TopPixelRowIsTheTopOfTheOverlay) {
    passiveMotionCallback(5, 0);
    EXPECT_EQ(shellState().pointerPosition, (Vec2{5, 600}));
}

TEST_F(ShellPointer, DragKeepsTheHandlerThatTookThePress) {
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, windowY(100));
    clock.advance(20);
    motionCallback(200, windowY(100)); // over b, but the drag belongs to a
    clock.advance(20);
    motionCallback(400, windowY(400));
    clock.advance(20);
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, 400, windowY(400));
    const std::vector<std::string> expected{"enter a", "press a",   "drag a",
                                            "drag a",  "release a", "fling a"};
    EXPECT_EQ(log, expected);
    // 300 pixels right and 300 up in 60 ms.
    EXPECT_DOUBLE_EQ(a->lastVelocity.x, 5000.0);
    EXPECT_DOUBLE_EQ(a->lastVelocity.y, 5000.0);
}

TEST_F(ShellPointer, PressOnEmptySpaceGoesToTheRotation) {
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 500, windowY(300));
    EXPECT_EQ(shellState().hoveredHandler, scene.rotation());
    clock.advance(30);
    motionCallback(530, windowY(300));
    clock.advance(10);
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, 530, windowY(300));
    EXPECT_TRUE(log.empty());
    EXPECT_DOUBLE_EQ(scene.ownRotation.spin.x, 30.0 / 40.0);
}

// Wheel notches arrive as presses and releases of buttons 3 to 6: over a control or over
// empty space, while the object spins, they do nothing at all.
TEST_F(ShellPointer, WheelNotchesAreNoClicks) {
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 500, windowY(300));
    clock.advance(30);
    motionCallback(530, windowY(300));
    clock.advance(10);
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, 530, windowY(300));
    const Vec2 spin = scene.ownRotation.spin;
    ASSERT_NE(spin.x, 0.0);
    for (int button = 3; button <= 6; ++button) {
        for (const auto& [x, y] : {std::pair{100, 100}, std::pair{500, 300}}) {
            passiveMotionCallback(x, windowY(y));
            mouseCallback(button, GLUT_DOWN, x, windowY(y));
            mouseCallback(button, GLUT_UP, x, windowY(y));
        }
    }
    EXPECT_EQ(scene.ownRotation.spin, spin);
    for (const std::string& entry : log) {
        EXPECT_TRUE(entry.rfind("enter", 0) == 0 || entry.rfind("move", 0) == 0 ||
                    entry.rfind("leave", 0) == 0)
            << entry;
    }
}

TEST_F(ShellPointer, SecondPressStartsAFreshTrail) {
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, windowY(100));
    motionCallback(110, windowY(100));
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, 110, windowY(100));
    clock.advance(5);
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, windowY(100));
    ASSERT_EQ(shellState().motionTrail.size(), 1u);
    EXPECT_EQ(shellState().motionTrail[0].x, 200);
    EXPECT_EQ(shellState().motionTrail[0].y, 100);
    EXPECT_EQ(shellState().motionTrail[0].t, 1005);
}

TEST_F(ShellPointer, ReleaseAfterRestingFlingsWithZeroVelocity) {
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, windowY(100));
    motionCallback(105, windowY(100));
    clock.advance(100);
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, 105, windowY(100));
    ASSERT_EQ(log.back(), "fling a");
    EXPECT_EQ(a->lastVelocity.x, 0.0);
    EXPECT_EQ(a->lastVelocity.y, 0.0);
}

TEST_F(ShellPointer, ReleaseInTheSameMillisecondAsThePressDeliversNoFling) {
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, windowY(100));
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, 100, windowY(100));
    EXPECT_EQ(log.back(), "release a");
}

class ShellKeys : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        for (TestScene* s : {&first, &second, &third}) {
            SceneRegistry::instance().appendToShowList(s->identifier);
            s->panel->colourPicker = s->panel->add(std::make_unique<RecordingControl>("p", log));
            s->panel->colourPicker->hidden = true;
        }
    }
    std::vector<std::string> log;
    TestScene first{"first"}, second{"second"}, third{"third"};
};

TEST_F(ShellKeys, StepKeysMoveThroughTheShowListWithoutWrapping) {
    SceneRegistry& registry = SceneRegistry::instance();
    specialCallback(GLUT_KEY_LEFT, 0, 0);
    specialCallback(GLUT_KEY_PAGE_UP, 0, 0);
    EXPECT_EQ(registry.currentIndex(), 0);
    specialCallback(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_EQ(registry.currentIndex(), 1);
    specialCallback(GLUT_KEY_PAGE_DOWN, 0, 0);
    EXPECT_EQ(registry.currentIndex(), 2);
    specialCallback(GLUT_KEY_RIGHT, 0, 0);
    specialCallback(GLUT_KEY_PAGE_DOWN, 0, 0);
    EXPECT_EQ(registry.currentIndex(), 2);
    specialCallback(GLUT_KEY_PAGE_UP, 0, 0);
    EXPECT_EQ(registry.currentIndex(), 1);
    for (int key : {GLUT_KEY_UP, GLUT_KEY_DOWN, GLUT_KEY_HOME, GLUT_KEY_END, GLUT_KEY_INSERT,
                    GLUT_KEY_F4, GLUT_KEY_F12, 0, 99, 106, 1000, -3}) {
        specialCallback(key, 0, 0);
    }
    EXPECT_EQ(registry.currentIndex(), 1);
}

TEST_F(ShellKeys, STogglesTheColourPickerOfTheCurrentSceneOnly) {
    keyboardCallback('s', 0, 0);
    EXPECT_FALSE(first.panel->colourPicker->hidden);
    keyboardCallback('S', 0, 0);
    EXPECT_TRUE(first.panel->colourPicker->hidden);
    keyboardCallback('s', 0, 0);
    specialCallback(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_TRUE(second.panel->colourPicker->hidden); // each scene starts with it hidden
    keyboardCallback('x', 0, 0);
    keyboardCallback(0, 0, 0);
    EXPECT_TRUE(second.panel->colourPicker->hidden);
}

// No GL context here: each death test's child runs the binary afresh with this test alone.
TEST(ShellQuitKeys, EscapeAndF1ToF3EndTheProcessNormally) {
    EXPECT_EXIT(keyboardCallback(27, 0, 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(specialCallback(GLUT_KEY_F1, 0, 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(specialCallback(GLUT_KEY_F2, 0, 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(specialCallback(GLUT_KEY_F3, 0, 0), ::testing::ExitedWithCode(0), "");
}

using ShellWithoutScenes = testing::GlTest;

TEST_F(ShellWithoutScenes, CallbacksDoNothingWithAnEmptyShowList) {
    ASSERT_EQ(SceneRegistry::instance().current(), nullptr);
    reshapeCallback(640, 480);
    passiveMotionCallback(10, 10);
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    motionCallback(20, 20);
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, 20, 20);
    keyboardCallback('s', 0, 0);
    specialCallback(GLUT_KEY_RIGHT, 0, 0);
    displayCallback();
    EXPECT_EQ(shellState().hoveredHandler, nullptr);
    EXPECT_EQ(shellState().windowWidth, 640);
}

TEST_F(ShellWithoutScenes, ReshapeToNoAreaThenBackDrawsNormally) {
    std::vector<std::string> log;
    TestScene scene("resized");
    SceneRegistry::instance().appendToShowList("resized");
    auto* control = scene.panel->add(std::make_unique<RecordingControl>("c", log));
    reshapeCallback(800, 0);
    displayCallback();
    EXPECT_EQ(control->draws, 0);
    reshapeCallback(0, 0);
    displayCallback();
    reshapeCallback(800, 600);
    displayCallback();
    EXPECT_EQ(control->draws, 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace tessivo
