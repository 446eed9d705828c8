#include "tests/e2e/program_window.h"

#include <gtest/gtest.h>

namespace tessivo::testing {
namespace {

// The standard controls of the real program, over its four Klein bottle scenes. The bottle
// stays in the middle of the view, away from the corners where the controls sit.
//
// Window coordinates here have y down: a control at overlay (x, y) is at (x, 600 - y).
class TessivoControls : public ProgramWindow {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(open(TESSIVO_BINARY));
        movePointer(server, window, 400, 120);
    }
};

const Image::Pixel arrowCyan{26, 204, 204};
const Image::Pixel white{255, 255, 255};
const Image::Pixel emblemRed{237, 65, 92};
const Image::Pixel emblemBlue{0, 142, 169};
const Image::Pixel listYellow{165, 152, 35};

TEST_F(TessivoControls, StandardControlsSitInTheirCornersOverTheBottle) {
    const Image picture = screenshot(server, window);
    EXPECT_EQ(around(picture, arrowCyan, 40, 580, 8), 0); // first scene: no previous arrow
    EXPECT_GT(around(picture, arrowCyan, 60, 580, 8), 70);
    EXPECT_GT(around(picture, white, 20, 580, 8), 40);
    EXPECT_GT(around(picture, emblemRed, 740, 570, 32), 300);
    EXPECT_GT(around(picture, emblemBlue, 740, 570, 62), 100);
    EXPECT_EQ(around(picture, {255, 0, 0}, 125, 80, 6, 60), 0); // the picker is hidden
}

TEST_F(TessivoControls, SShowsAndHidesThePicker) {
    sendKey(server, window, "s");
    Image picture = screenshot(server, window);
    EXPECT_GT(around(picture, {255, 0, 0}, 125, 80, 3, 40), 4);
    EXPECT_GT(around(picture, {0, 0, 255}, 125, 50, 3, 40), 4);
    sendKey(server, window, "s");
    picture = screenshot(server, window);
    EXPECT_EQ(around(picture, {255, 0, 0}, 125, 80, 6, 60), 0);
}

TEST_F(TessivoControls, TheMenuListsTheFourScenesAndItsLowestRowIsTheLast) {
    movePointer(server, window, 20, 580);
    sleepMilliseconds(300);
    Image picture = screenshot(server, window);
    // Four rows of 26 pixels, 52 to 156 above the square; the yellow list from 47 to 161,
    // window rows 419 to 533.
    EXPECT_GT(picture.countNear(listYellow, 14, 16, 422, 40, 530), 20 * 90);
    EXPECT_EQ(picture.countNear(listYellow, 14, 16, 380, 40, 410), 0);
    EXPECT_GT(picture.countNear(white, 40, 30, 422, 250, 530), 150);

    click(server, window, 40, 515); // the lowest row, 52..78 above the square: the last scene
    sleepMilliseconds(300);
    picture = screenshot(server, window);
    EXPECT_GT(around(picture, arrowCyan, 40, 580, 8), 70);
    EXPECT_EQ(around(picture, arrowCyan, 60, 580, 8), 0);
}

TEST_F(TessivoControls, StepArrowsWalkTheShowList) {
    click(server, window, 60, 580);
    Image picture = screenshot(server, window);
    EXPECT_GT(around(picture, arrowCyan, 40, 580, 8), 70); // second of four: both arrows
    EXPECT_GT(around(picture, arrowCyan, 60, 580, 8), 70);
    click(server, window, 40, 580);
    picture = screenshot(server, window);
    EXPECT_EQ(around(picture, arrowCyan, 40, 580, 8), 0);
    click(server, window, 40, 580); // the invisible arrow on the first scene does nothing
    picture = screenshot(server, window);
    EXPECT_EQ(around(picture, arrowCyan, 40, 580, 8), 0);
    EXPECT_GT(around(picture, arrowCyan, 60, 580, 8), 70);
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
