#include "scene/overlay_settings.h"
#include "tests/ui/controls_fixture.h"
#include "ui/scene_menu.h"
#include "ui/scene_step_button.h"

#include <GL/gl.h>
#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace tessivo {
namespace {

using testing::ControlsTest;
using testing::hasColour;

// Four scenes in the show list; the menu square sits at (20, 20). Once open, its rows (26
// pixels high) start 130, 104, 78 and 52 pixels above the square.
class MenuByPointer : public ControlsTest {
protected:
    void SetUp() override { SetUpScenes(4); }
    SceneMenu* menu() { return standard<SceneMenu>(2); }
    void openMenu() {
        frame();
        hover({20, 20});
        for (int i = 0; i < 5; ++i) {
            frame(20);
        }
        ASSERT_EQ(menu()->openness, 1.0);
    }
    int currentIndex() { return SceneRegistry::instance().currentIndex(); }
};

TEST_F(MenuByPointer, UnfoldsIn100MillisecondsWhileThePointerRests) {
    frame();
    const auto closed = drawn(*menu());
    ASSERT_EQ(closed.lines.size(), 4u); // the white square's outline, 14 pixels wide
    for (const auto& line : closed.lines) {
        EXPECT_TRUE(hasColour(line[0], 1, 1, 1));
        EXPECT_TRUE(testing::at(line[0].x, 13) || testing::at(line[0].x, 27)) << line[0].x;
    }
    hover({24, 16});
    EXPECT_EQ(menu()->direction, 1.0);
    const double expected[] = {0.2, 0.4, 0.6, 0.8, 1.0, 1.0};
    for (double openness : expected) {
        frame(20);
        EXPECT_NEAR(menu()->openness, openness, 1e-12);
    }
    hover({300, 300}); // out of the band: it folds up again
    frame(30);
    EXPECT_NEAR(menu()->openness, 0.7, 1e-12);
    frame(80);
    EXPECT_EQ(menu()->openness, 0.0);
    EXPECT_EQ(current().target({30, 100}), current().rotation());
}

TEST_F(MenuByPointer, AnimatesUntilFullyOpenOrClosed) {
    const auto openness = [&] { return menu()->openness; };
    frame();
    EXPECT_FALSE(menu()->animating());
    hover({20, 20});
    EXPECT_EQ(animatedFrames(*menu(), openness, 20), 5);
    EXPECT_EQ(menu()->openness, 1.0);
    hover({300, 300});
    EXPECT_EQ(animatedFrames(*menu(), openness, 30), 4);
    EXPECT_EQ(menu()->openness, 0.0);
}

// Where a press opens the menu (the exhibit's setting): a finger presses as it arrives.
TEST_F(MenuByPointer, ATapOpensItUntilATapChoosesATitleOrLandsOutside) {
    overlaySettings().tapOpens = true;
    for (const bool choose : {false, true}) {
        frame(20);
        clickAt({20, 20});
        hover({600, 300}); // the finger's pointer stays where it lifted, or goes anywhere
        for (int i = 0; i < 5; ++i) {
            frame(20);
        }
        ASSERT_EQ(menu()->openness, 1.0);
        EXPECT_EQ(current().target({600, 300}), menu());
        // A tap on the third row (78..104 above the square), or far from the list.
        const Vec2 tap = choose ? Vec2{30, 20 + 90} : Vec2{600, 300};
        clickAt(tap);
        EXPECT_FALSE(menu()->pinned);
        EXPECT_EQ(currentIndex(), choose ? 2 : 0);
        EXPECT_EQ(menu()->direction, -1.0);
    }
}

TEST(MenuLayout, FourRowsAndTheirBackground) {
    const SceneMenuLayout layout = sceneMenuLayout(4, 1.0, 100.0);
    EXPECT_EQ(layout.backgroundBottom, 47);
    EXPECT_EQ(layout.backgroundTop, 161);
    EXPECT_EQ(layout.textWidth, 35);
    EXPECT_EQ(layout.rowWidth, 35);
    const int bottoms[] = {130, 104, 78, 52};
    ASSERT_EQ(layout.rows.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(layout.rows[i].bottom, bottoms[i]);
        EXPECT_EQ(layout.rows[i].top, bottoms[i] + 26);
    }
    EXPECT_EQ(layout.rowAt(90), 2);
    EXPECT_EQ(layout.rowAt(104), -1); // on the boundary of two rows
    EXPECT_EQ(layout.rowAt(52), -1);
    EXPECT_EQ(layout.rowAt(156), -1);
    EXPECT_EQ(layout.rowAt(155.9), 0);
    // Half open, every height halves (in whole pixels), so rows never overlap.
    const SceneMenuLayout half = sceneMenuLayout(4, 0.5, 100.0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(half.rows[i].bottom, bottoms[i] / 2);
        EXPECT_EQ(half.rows[i].top, bottoms[i] / 2 + 13);
    }
}

TEST_F(MenuByPointer, OpenMenuShowsEveryTitleAndFramesTheCurrentScene) {
    openMenu();
    hover({30, 20 + 90}); // over the third row
    const auto feedback = drawn(*menu());
    EXPECT_EQ(menu()->hovered, 2);
    // The translucent background, blended over the clear colour, spans 47..161 above the
    // square; the highlight covers row 2 (78..104).
    bool background = false, highlight = false;
    for (const auto& polygon : feedback.polygons) {
        float low = 1e9f, high = -1e9f;
        for (const auto& v : polygon) {
            low = std::min(low, v.y);
            high = std::max(high, v.y);
        }
        if (std::abs(polygon[0].a - 0.8) < 1e-3 && hasColour(polygon[0], 0.8, 0.7, 0.1)) {
            background = testing::at(low, 67) && testing::at(high, 181);
        }
        if (std::abs(polygon[0].a - 0.5) < 1e-3 && hasColour(polygon[0], 0.4, 0.6, 0.2)) {
            highlight = testing::at(low, 98) && testing::at(high, 124);
        }
    }
    EXPECT_TRUE(background);
    EXPECT_TRUE(highlight);
    // Every row carries its title in white; the first, current, row is framed in green.
    for (int i = 0; i < 4; ++i) {
        const int bottom = 20 + 26 * (5 - i);
        int titleStrokes = 0;
        for (const auto& line : feedback.lines) {
            titleStrokes += hasColour(line[0], 1, 1, 1) && line[0].y > bottom &&
                            line[0].y < bottom + 26 && line[0].x >= 30;
        }
        EXPECT_GT(titleStrokes, 0) << "row " << i;
    }
    int frameLines = 0;
    for (const auto& line : feedback.lines) {
        if (hasColour(line[0], 0.4, 0.6, 0.2)) {
            ++frameLines;
            EXPECT_GE(std::min(line[0].y, line[1].y), 150 - 1e-3);
            EXPECT_LE(std::max(line[0].y, line[1].y), 176 + 1e-3);
        }
    }
    EXPECT_EQ(frameLines, 4);
}

// While the menu opens and closes, its titles (drawn at full size from the start) show only
// within its background: no white pixel of them outside it.
TEST_F(MenuByPointer, MovingMenuShowsNoTitleOutsideItsBackground) {
    frame();
    hover({20, 20});
    for (int step = 0; step < 4; ++step) {
        frame(20);
        const double openness = menu()->openness;
        ASSERT_LT(openness, 1.0);
        std::vector<unsigned char> pixels(300 * 300 * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, 300, 300, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        const SceneMenuLayout layout = sceneMenuLayout(4, openness, 0.0);
        int outside = 0;
        for (int y = 0; y < 300; ++y) {
            for (int x = 0; x < 300; ++x) {
                const unsigned char* p = &pixels[(y * 300 + x) * 3];
                const bool inside = x >= 15 && x < 20 + menu()->listWidth &&
                                    y >= 20 + layout.backgroundBottom &&
                                    y < 20 + layout.backgroundTop;
                outside += !inside && p[0] > 200 && p[1] > 200 && p[2] > 200;
            }
        }
        EXPECT_EQ(outside, 0) << "openness " << openness;
    }
}

TEST_F(MenuByPointer, PressOnARowSwitchesToItsScene) {
    openMenu();
    hover({30, 20 + 90});
    frame(20);
    press({30, 20 + 90});
    EXPECT_EQ(currentIndex(), 2);
    EXPECT_EQ(menu()->direction, -1.0); // the first scene's menu folds up
}

TEST_F(MenuByPointer, PressBetweenRowsOrBesideTheListSwitchesNothing) {
    for (double py : {104.0, 130.0, 40.0, 200.0}) { // boundaries, below and above the list
        openMenu();
        hover({30, 20 + py});
        frame(20);
        EXPECT_EQ(menu()->hovered, -1) << py;
        press({30, 20 + py});
        release({30, 20 + py});
        EXPECT_EQ(currentIndex(), 0) << py;
        EXPECT_EQ(menu()->direction, -1.0);
        frame(100);
        EXPECT_EQ(menu()->openness, 0.0);
        hover({300, 300});
    }
}

TEST_F(MenuByPointer, OpenMenuHoldsItsBandButNotTheStepArrows) {
    openMenu();
    frame(20);
    ASSERT_GT(menu()->listWidth, 25.0);
    const double edge = 20 + menu()->listWidth;
    EXPECT_EQ(current().target({edge - 1, 590}), menu());
    EXPECT_EQ(current().target({0, 300}), menu());
    EXPECT_NE(current().target({edge + 1, 300}), menu());
    EXPECT_EQ(current().target({40, 20}), standard<SceneStepButton>(0));
}

TEST_F(MenuByPointer, OpensAcrossTheClockWrap) {
    clock.set(INT_MAX - 50);
    frame();
    hover({20, 20});
    const double expected[] = {0.2, 0.4, 0.6, 0.8, 1.0};
    for (double openness : expected) {
        frame(20);
        EXPECT_NEAR(menu()->openness, openness, 1e-12) << clock.now();
    }
    EXPECT_LT(clock.now(), 0);
}

} // namespace
} // namespace tessivo
