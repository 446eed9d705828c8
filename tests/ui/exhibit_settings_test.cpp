// The exhibition's settings of the shell and the controls: the return to the start values and
// the overlay at a scale of several pixels per unit.

#include "scene/overlay_settings.h"
#include "tests/ui/controls_fixture.h"
#include "ui/choice_row.h"
#include "ui/colour_picker.h"
#include "ui/credits_emblem.h"
#include "ui/dial.h"
#include "ui/push_button.h"
#include "ui/scene_menu.h"
#include "ui/slider.h"

#include <GL/glut.h>
#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::ControlsTest;

class Squares : public ChoiceRow {
public:
    Squares() : ChoiceRow(3, 20) {}
    void drawItem(int /*i*/) override { glRectd(-4, -4, 4, 4); }
};

// Every kind of control on the first scene: a slider, a dial, a row and a button beside the
// standard five.
class ExhibitControls : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        savedBackground = backgroundColour;
        slider = addControl(std::make_unique<Slider>(), {200, 100});
        dial = addControl(std::make_unique<Dial>(), {400, 100});
        dial->setStartAngle(1.0);
        row = addControl(std::make_unique<Squares>(), {600, 100});
        row->setStartSelected(1);
        button = addControl(std::make_unique<PushButton>(), {300, 200});
    }
    void TearDown() override {
        overlaySettings() = OverlaySettings{};
        shellState() = ShellState{};
        backgroundColour = savedBackground;
        SceneRegistry::instance().clearShowList();
    }

    // The pixels of a frame of the current scene at the present time.
    std::vector<unsigned char> picture() {
        drawFrame(current());
        std::vector<unsigned char> pixels(800 * 600 * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    Slider* slider = nullptr;
    Dial* dial = nullptr;
    ChoiceRow* row = nullptr;
    PushButton* button = nullptr;
    std::array<int, 3> savedBackground{};
};

TEST_F(ExhibitControls, AfterAVisitorEveryControlDrawsAsAtStartOnceReset) {
    const std::vector<unsigned char> atStart = picture();

    press({200, 100});
    dragTo({240, 100});
    release({240, 100});
    press({415, 100});
    dragTo({410, 110});
    release({400, 115}, 5); // a flick round the centre: the dial keeps turning
    clickAt({620, 100});
    keyboardCallback('s', 0, 0);
    press({80, 520}); // the picker's red row
    dragTo({140, 520});
    release({140, 520});
    hover({740, 30});
    frame(600); // the emblem opens
    hover({20, 20});
    frame(50);         // the menu half open, the emblem closing
    hover({300, 200}); // the button under the pointer
    ASSERT_NE(dial->spin, 0.0);
    ASSERT_NE(atStart, picture());

    returnToStart();
    EXPECT_EQ(current().identifier, "A");
    EXPECT_EQ(backgroundColour, savedBackground);
    EXPECT_EQ(atStart, picture());
    frame(1000); // and nothing moves on afterwards
    EXPECT_EQ(atStart, picture());
}

TEST_F(ExhibitControls, AtScaleTwoTheOverlayIsTwiceAsLargeAndAnswersInUnits) {
    const Vec2 emblemAtOne = standard<CreditsEmblem>(3)->position;
    overlaySettings().scale = 2.0;
    reshapeCallback(800, 600);
    // The overlay spans 400 x 300 units: the right-hand emblem moves, the left ones stay.
    EXPECT_EQ(standard<CreditsEmblem>(3)->position.x, emblemAtOne.x - 400);
    EXPECT_EQ(slider->position.x, 200);

    // Pixels are halved into units: a press at pixel (400, 200) is at unit (200, 100).
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 401, 600 - 201);
    EXPECT_EQ(shellState().hoveredHandler, slider);
    const double before = slider->value;
    motionCallback(441, 600 - 201); // 40 pixels, 20 units
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, 441, 600 - 201);
    EXPECT_EQ(slider->pixelOf(slider->value) - slider->pixelOf(before), 20);

    // A drag on empty space turns the object one degree per unit: 90 units, a quarter turn.
    RotationController& turn = *current().rotation();
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 300);
    for (int step = 1; step <= 9; ++step) {
        motionCallback(200 + 20 * step, 300);
    }
    EXPECT_NEAR(turn.orientation[0], 0.0, 1e-5); // x has turned onto -z
    EXPECT_NEAR(std::fabs(turn.orientation[2]), 1.0, 1e-5);
}

TEST_F(ExhibitControls, AHiddenPickerTakesNoPointerWhenSoSet) {
    overlaySettings().hiddenControlsTakePointer = false;
    press({80, 520});
    EXPECT_EQ(shellState().hoveredHandler, current().rotation());
    keyboardCallback('s', 0, 0);
    press({80, 520});
    EXPECT_EQ(shellState().hoveredHandler,
              dynamic_cast<PointerHandler*>(current().panel->colourPicker));
}

} // namespace
} // namespace tessivo
