// The wheel scene in tessivo-lab, reached with the arrow keys and driven through its buttons.

#include "tests/e2e/program_window.h"

#include <algorithm>
#include <gtest/gtest.h>

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

class WheelSceneInLab : public ProgramWindow {
protected:
    void SetUp() override {
        const std::vector<std::string> identifiers = registeredIdentifiers();
        const auto at = std::find(identifiers.begin(), identifiers.end(), "Moebius2");
        ASSERT_NE(at, identifiers.end()) << "Moebius2 is not registered";
        wheelScene = static_cast<int>(at - identifiers.begin());
        ASSERT_NO_FATAL_FAILURE(open(TESSIVO_LAB));
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
    EXPECT_TRUE(program->running()) << program->standardError();
}

} // namespace
} // namespace tessivo::testing
