#include "tests/e2e/program_window.h"

#include <gtest/gtest.h>

namespace tessivo::testing {
namespace {

// The standard controls on screen, in the panel program: two empty scenes titled "Prima
// scena di prova" and "Seconda scena di prova" over the background colour (9, 48, 75), so that
// the pictures depend on the controls alone. The real program's checks, at the end, are what
// differs there: its controls are drawn over the bottle, and its show list holds four scenes.
//
// Window coordinates here have y down: a control at overlay (x, y) is at (x, 600 - y).
class StandardControlsOnScreen : public ProgramWindow {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(open(TESSIVO_PANEL_PROGRAM));
        movePointer(server, window, 400, 300);
    }
};

const Image::Pixel background{9, 48, 75};
const Image::Pixel arrowCyan{26, 204, 204};
const Image::Pixel white{255, 255, 255};
const Image::Pixel emblemRed{237, 65, 92};
const Image::Pixel emblemBlue{0, 142, 169};

TEST_F(StandardControlsOnScreen, ArrowsMenuSquareAndEmblemSitInTheirCorners) {
    Image picture = screenshot(server, window);
    ASSERT_EQ(picture.width, 800);
    // First scene: no previous arrow at (40, 580), a next arrow at (60, 580).
    EXPECT_EQ(around(picture, arrowCyan, 40, 580, 8), 0);
    EXPECT_GT(around(picture, arrowCyan, 60, 580, 8), 70);
    // The menu: a white 14-pixel outline around (20, 580), background inside.
    EXPECT_GT(around(picture, white, 20, 580, 8), 40);
    EXPECT_EQ(around(picture, white, 20, 580, 5), 0);
    EXPECT_EQ(around(picture, background, 20, 580, 5, 2), 11 * 11);
    // The emblem around (740, 570): red ring and sector, blue legs.
    EXPECT_GT(around(picture, emblemRed, 740, 570, 32), 300);
    EXPECT_GT(around(picture, emblemBlue, 740, 570, 62), 100);
    // Nothing of the hidden picker near (80, 80): no pure red at the end of its red track.
    EXPECT_EQ(around(picture, {255, 0, 0}, 125, 80, 6, 60), 0);

    click(server, window, 60, 580); // next scene: the arrows swap
    picture = screenshot(server, window);
    EXPECT_GT(around(picture, arrowCyan, 40, 580, 8), 70);
    EXPECT_EQ(around(picture, arrowCyan, 60, 580, 8), 0);
    EXPECT_TRUE(program->running()) << program->standardError();
}

TEST_F(StandardControlsOnScreen, SShowsThePickerAndSAgainHidesIt) {
    sendKey(server, window, "s");
    Image picture = screenshot(server, window);
    // Three gradient tracks from x 30 to 129, red at y 80, green 65, blue 50, each bright at
    // its right end, with the channel written beside it in white (the colour is dark).
    EXPECT_GT(around(picture, {255, 0, 0}, 125, 80, 3, 40), 4);
    EXPECT_GT(around(picture, {0, 255, 0}, 125, 65, 3, 40), 4);
    EXPECT_GT(around(picture, {0, 0, 255}, 125, 50, 3, 40), 4);
    EXPECT_GT(around(picture, {0, 0, 0}, 34, 80, 3, 30), 4);
    EXPECT_GT(picture.countNear(white, 60, 135, 40, 170, 85), 10);

    sendKey(server, window, "s");
    picture = screenshot(server, window);
    EXPECT_EQ(around(picture, {255, 0, 0}, 125, 80, 6, 60), 0);
    EXPECT_EQ(picture.countNear(white, 60, 135, 40, 170, 85), 0);
}

TEST_F(StandardControlsOnScreen, RestingOnTheMenuSquareUnfoldsTheListAndARowSwitches) {
    movePointer(server, window, 20, 580);
    sleepMilliseconds(300);
    Image picture = screenshot(server, window);
    // The translucent yellow list (0.8, 0.7, 0.1 at 80% over the background) spans overlay
    // heights 67 to 129 above the square, window rows 471 to 533, with white titles on it.
    const Image::Pixel listYellow{165, 152, 35};
    EXPECT_GT(picture.countNear(listYellow, 14, 16, 472, 40, 532), 20 * 50);
    EXPECT_GT(picture.countNear(white, 40, 30, 472, 200, 532), 50);
    EXPECT_EQ(picture.countNear(listYellow, 14, 16, 440, 40, 465), 0);

    click(server, window, 40, 515); // the second row, 52..78 above the square
    sleepMilliseconds(300);
    picture = screenshot(server, window);
    EXPECT_GT(around(picture, arrowCyan, 40, 580, 8), 70);
    EXPECT_EQ(around(picture, arrowCyan, 60, 580, 8), 0);
}

TEST_F(StandardControlsOnScreen, RestingOnTheEmblemShowsTheCredits) {
    Image picture = screenshot(server, window);
    EXPECT_EQ(picture.countNear({0, 0, 0}, 30, 725, 500, 800, 540), 0);
    movePointer(server, window, 740, 570);
    sleepMilliseconds(800);
    picture = screenshot(server, window);
    // Two black lines of small text from overlay (730, 70) and (730, 80) upwards.
    EXPECT_GT(picture.countNear({0, 0, 0}, 30, 725, 500, 800, 540), 40);
    movePointer(server, window, 400, 300);
    sleepMilliseconds(300);
    picture = screenshot(server, window);
    EXPECT_EQ(picture.countNear({0, 0, 0}, 30, 725, 500, 800, 540), 0);
}

// The real program, over its four Klein bottle scenes. The bottle stays in the middle of the
// view, away from the corners where the controls sit.
class TessivoControls : public ProgramWindow {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(open(TESSIVO_BINARY));
        movePointer(server, window, 400, 120);
    }
};

TEST_F(TessivoControls, ControlsShowOverTheBottleAndTheArrowsWalkTheShowList) {
    Image picture = screenshot(server, window);
    EXPECT_GT(around(picture, white, 20, 580, 8), 40);
    EXPECT_GT(around(picture, emblemRed, 740, 570, 32), 300);
    EXPECT_GT(around(picture, emblemBlue, 740, 570, 62), 100);
    EXPECT_EQ(around(picture, arrowCyan, 40, 580, 8), 0); // first scene: no previous arrow
    EXPECT_GT(around(picture, arrowCyan, 60, 580, 8), 70);

    click(server, window, 60, 580);
    picture = screenshot(server, window);
    EXPECT_GT(around(picture, arrowCyan, 40, 580, 8), 70); // second of four: both arrows
    EXPECT_GT(around(picture, arrowCyan, 60, 580, 8), 70);
    click(server, window, 40, 580);
    click(server, window, 40, 580); // the invisible arrow on the first scene does nothing
    picture = screenshot(server, window);
    EXPECT_EQ(around(picture, arrowCyan, 40, 580, 8), 0);
    EXPECT_GT(around(picture, arrowCyan, 60, 580, 8), 70);
}

TEST_F(TessivoControls, TheMenuListsTheFourScenesAndItsLowestRowIsTheLast) {
    movePointer(server, window, 20, 580);
    sleepMilliseconds(300);
    Image picture = screenshot(server, window);
    // Four rows of 26 pixels, 52 to 156 above the square; the yellow list from 47 to 161,
    // window rows 419 to 533.
    const Image::Pixel listYellow{165, 152, 35};
    EXPECT_GT(picture.countNear(listYellow, 14, 16, 422, 40, 530), 20 * 90);
    EXPECT_EQ(picture.countNear(listYellow, 14, 16, 380, 40, 410), 0);
    EXPECT_GT(picture.countNear(white, 40, 30, 422, 250, 530), 150);

    click(server, window, 40, 515); // the lowest row, 52..78 above the square: the last scene
    sleepMilliseconds(300);
    picture = screenshot(server, window);
    EXPECT_GT(around(picture, arrowCyan, 40, 580, 8), 70);
    EXPECT_EQ(around(picture, arrowCyan, 60, 580, 8), 0);
}

// Turning the mouse wheel over the next arrow stays on the first scene.
TEST_F(TessivoControls, WheelNotchesOverTheNextArrowDoNotStep) {
    movePointer(server, window, 60, 580);
    sleepMilliseconds(50);
    server.run("xdotool click 4 click 5 click 4 click 5");
    movePointer(server, window, 400, 120);
    const Image picture = screenshot(server, window);
    EXPECT_EQ(around(picture, arrowCyan, 40, 580, 8), 0);
    EXPECT_GT(around(picture, arrowCyan, 60, 580, 8), 70);
}

} // namespace
} // namespace tessivo::testing
