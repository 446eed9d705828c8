// The wheel scene in tessivo-lab, reached with the arrow keys and driven through its buttons.

#include "tests/support/x_session.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace tessivo::testing {
namespace {

// Window coordinates (y down) of the wheel scene's buttons in the 800 x 600 window: overlay
// (100, 20), (120, 20) and (140, 20).
constexpr int buttonsY = 580;
constexpr int plusX = 100, minusX = 120, crossX = 140;
// Where the pointer rests between clicks: over the view, away from the band and the controls,
// so that no control is drawn in its hover colour.
constexpr int restX = 400, restY = 560;

const Image::Pixel buttonCyan{26, 204, 204};
const Image::Pixel iconBrown{128, 77, 26};

class WheelSceneInLab : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(server.display().empty()) << "could not start Xvfb";
        // The lab shows every registered scene in the order that the snapshot tool lists.
        Program list(server, TESSIVO_SNAPSHOT, {"--list"});
        ASSERT_TRUE(list.waitForExit(30000));
        std::istringstream lines(list.standardOutput());
        int index = 0;
        for (std::string line; std::getline(lines, line); ++index) {
            if (line.rfind("Moebius2\t", 0) == 0) {
                wheelScene = index;
            }
        }
        ASSERT_GE(wheelScene, 0) << "Moebius2 is not registered";

        lab = std::make_unique<Program>(server, TESSIVO_LAB);
        window = waitForWindow(server, "Tessivo", 20000);
        ASSERT_FALSE(window.empty()) << lab->standardError();
        sleepMilliseconds(500);
        screenshot(server, window); // puts the window at (0, 0)
        movePointer(server, window, restX, restY);
    }

    // Clicks and puts the pointer back to rest.
    void clickButton(int x) {
        click(server, window, x, buttonsY);
        sleepMilliseconds(50);
        movePointer(server, window, restX, restY);
    }

    // The most pixels by which any of three pictures, taken over about a second while the
    // wheels roll on, differs from the picture of the bare band.
    int mostDifferentFromBare(const Image& bare) {
        int most = 0;
        for (int i = 0; i < 3; ++i) {
            most = std::max(most, screenshot(server, window).countDifferent(bare, 16));
        }
        return most;
    }

    XServer server;
    std::unique_ptr<Program> lab;
    std::string window;
    int wheelScene = -1;
};

TEST_F(WheelSceneInLab, ButtonsAddRemoveAndClearTheWheels) {
    for (int i = 0; i < wheelScene; ++i) {
        sendKey(server, window, "Right");
        sleepMilliseconds(100);
    }
    Image picture = screenshot(server, window);
    // Three cyan buttons with brown icons in a row: this is the wheel scene.
    for (const int x : {plusX, minusX, crossX}) {
        EXPECT_GT(picture.countNear(buttonCyan, 12, x - 7, buttonsY - 7, x + 8, buttonsY + 8), 80)
            << "no button at " << x;
        EXPECT_GT(picture.countNear(iconBrown, 12, x - 7, buttonsY - 7, x + 8, buttonsY + 8), 10)
            << "no icon at " << x;
    }

    // The wheel of the start is on the band; the cross takes it away and the band stands still.
    clickButton(crossX);
    const Image bare = screenshot(server, window);
    EXPECT_GT(picture.countDifferent(bare, 16), 100);
    sleepMilliseconds(500);
    EXPECT_LE(screenshot(server, window).countDifferent(bare, 16), 10);

    clickButton(plusX);
    const Image first = screenshot(server, window);
    EXPECT_GT(first.countDifferent(bare, 16), 100) << "plus added no wheel";
    sleepMilliseconds(400);
    EXPECT_GT(screenshot(server, window).countDifferent(first, 16), 20) << "the wheel stands still";

    clickButton(minusX);
    EXPECT_LE(mostDifferentFromBare(bare), 10) << "minus left a wheel";
    clickButton(minusX); // on a bare band: nothing happens
    EXPECT_LE(mostDifferentFromBare(bare), 10);

    // Two wheels; minus takes the older, the newer rolls on; the cross clears the band.
    clickButton(plusX);
    sleepMilliseconds(1500);
    clickButton(plusX);
    EXPECT_GT(mostDifferentFromBare(bare), 100);
    clickButton(minusX);
    EXPECT_GT(mostDifferentFromBare(bare), 100) << "minus took both wheels";
    clickButton(crossX);
    EXPECT_LE(mostDifferentFromBare(bare), 10) << "the cross left a wheel";
    EXPECT_TRUE(lab->running()) << lab->standardError();
}

} // namespace
} // namespace tessivo::testing
