#include "scene/clock.h"
#include "app/shell.h"
#include "scene/scene_registry.h"
#include "tests/support/gl_context.h"
#include "tests/support/resident_memory.h"
#include "tests/support/test_scene.h"

#include <GL/glut.h>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::FixedClock;
using testing::RecordingControl;
using testing::residentKib;
using testing::TestScene;

TEST(ReleaseVelocity, MeasuresFromTheOldestSampleYoungerThan100Milliseconds) {
    const std::vector<TrailSample> trail{{0, 0, 0}, {10, 5, 40}, {30, 5, 80}};
    // At 120 the sample of time 0 is too old; the one of time 40 is the reference.
    auto v = releaseVelocity(trail, {50, 25}, 120);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->x, 40.0 * 1000.0 / 80.0);
    EXPECT_DOUBLE_EQ(v->y, 20.0 * 1000.0 / 80.0);
    // At exactly 100 ms the first sample is out as well.
    v = releaseVelocity(trail, {50, 5}, 100);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->x, 40.0 * 1000.0 / 60.0);
    // When all samples are young the press sample is the reference.
    v = releaseVelocity(trail, {50, 0}, 90);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->x, 50.0 * 1000.0 / 90.0);
}

TEST(ReleaseVelocity, RestedPointerGivesZero) {
    const std::vector<TrailSample> trail{{0, 0, 0}, {10, 5, 40}};
    auto v = releaseVelocity(trail, {10, 5}, 140);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->x, 0.0);
    EXPECT_EQ(v->y, 0.0);
    v = releaseVelocity({}, {10, 5}, 140);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->x, 0.0);
}

TEST(ReleaseVelocity, NoTimeSpanGivesNoFling) {
    EXPECT_FALSE(releaseVelocity({{0, 0, 500}}, {20, 0}, 500));
    // A release 1 ms after a press without motion is a real fling of speed 0.
    auto v = releaseVelocity({{7, 7, 500}}, {7, 7}, 501);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->x, 0.0);
    EXPECT_EQ(v->y, 0.0);
}

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

// No GL context here: the death test forks, and a forked child should not inherit the
// renderer's threads.
TEST(ShellQuitKeys, EscapeAndF1ToF3EndTheProcessNormally) {
    EXPECT_EXIT(keyboardCallback(27, 0, 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(specialCallback(GLUT_KEY_F1, 0, 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(specialCallback(GLUT_KEY_F2, 0, 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(specialCallback(GLUT_KEY_F3, 0, 0), ::testing::ExitedWithCode(0), "");
}

TEST(ShellWithoutScenes, CallbacksDoNothingWithAnEmptyShowList) {
    testing::ensureGlContext();
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

TEST(ShellWithoutScenes, ReshapeToNoAreaThenBackDrawsNormally) {
    testing::ensureGlContext();
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

TEST(ReleaseVelocityAcrossTheClockWrap, MeasuresTheTimeModuloTheWrap) {
    const int beforeWrap = INT_MAX - 30;
    const int afterWrap = INT_MIN + 29; // 60 ms after beforeWrap
    const std::vector<TrailSample> trail{{0, 0, beforeWrap}};
    auto v = releaseVelocity(trail, {30, 0}, afterWrap);
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->x, 30.0 * 1000.0 / 60.0);
    // 100 ms across the wrap is as old as 100 ms anywhere else.
    v = releaseVelocity(trail, {30, 0}, INT_MIN + 69);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->x, 0.0);
}

// A drag held for a long time (a visitor leaning on the button, a stuck mouse) keeps only the
// samples that a release could still use, and the release measures what it measured before.
TEST(LongDrag, KeepsOnlyTheSamplesAReleaseCanUse) {
    std::vector<TrailSample> pruned, whole;
    std::mt19937 random(5);
    int t = INT_MAX - 500000; // runs across the clock's wrap too
    for (int i = 0; i < 200000; ++i) {
        t = static_cast<int>(static_cast<unsigned>(t) + random() % 12);
        const TrailSample sample{static_cast<int>(random() % 800), static_cast<int>(random() % 600),
                                 t};
        appendTrailSample(pruned, sample, 100);
        whole.push_back(sample);
        ASSERT_LE(pruned.size(), 101u);
        if (i % 997 == 0) {
            const int release = static_cast<int>(static_cast<unsigned>(t) + random() % 150);
            const Vec2 pointer{static_cast<double>(random() % 800), 5.0};
            const auto expected = releaseVelocity(whole, pointer, release);
            const auto actual = releaseVelocity(pruned, pointer, release);
            ASSERT_EQ(expected.has_value(), actual.has_value());
            if (expected) {
                EXPECT_EQ(expected->x, actual->x);
                EXPECT_EQ(expected->y, actual->y);
            }
        }
    }
}

} // namespace
} // namespace tessivo
