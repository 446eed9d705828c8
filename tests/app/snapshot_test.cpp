#include "app/snapshot.h"
#include "app/snapshot_options.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_scene.h"
#include "ui/choice_row.h"
#include "ui/dial.h"
#include "ui/push_button.h"
#include "ui/slider.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::TestScene;

class PlainRow : public ChoiceRow {
public:
    PlainRow() : ChoiceRow(3, 20) {}
    void drawItem(int) override {}
};

// A scene with one control of every kind, in this order: slider (-1..1), dial, row of 3,
// button.
class SceneWithControls : public ::testing::Test {
protected:
    void SetUp() override {
        slider = scene.panel->add(std::make_unique<Slider>());
        slider->minValue = -1.0;
        dial = scene.panel->add(std::make_unique<Dial>());
        row = scene.panel->add(std::make_unique<PlainRow>());
        scene.panel->add(std::make_unique<PushButton>());
    }
    std::string set(int index, double value) {
        return applyControlSetting(scene, ControlSetting{index, value});
    }
    TestScene scene{"controls"};
    Slider* slider = nullptr;
    Dial* dial = nullptr;
    ChoiceRow* row = nullptr;
};

TEST_F(SceneWithControls, CountsOnlyTheScenesOwnControls) {
    EXPECT_EQ(scene.panel->sceneControlCount(), 4);
    EXPECT_EQ(scene.panel->sceneControl(0), slider);
    EXPECT_EQ(scene.panel->sceneControl(4), nullptr);
    EXPECT_EQ(scene.panel->sceneControl(-1), nullptr);
}

TEST_F(SceneWithControls, SetsEachKindOfControl) {
    EXPECT_EQ(set(0, -0.5), "");
    EXPECT_EQ(slider->value, -0.5);
    EXPECT_EQ(set(1, -1234.5), "");
    EXPECT_EQ(dial->angle, -1234.5);
    EXPECT_EQ(set(2, 2), "");
    EXPECT_EQ(row->selected, 2);
}

TEST_F(SceneWithControls, RefusesWhatTheControlCannotHold) {
    for (auto [index, value] :
         {std::pair{0, 1.5}, std::pair{0, -1.01}, std::pair{2, 3.0}, std::pair{2, -1.0},
          std::pair{2, 0.5}, std::pair{3, 1.0}, std::pair{4, 0.0}, std::pair{99, 0.0}}) {
        const std::string reason = set(index, value);
        EXPECT_FALSE(reason.empty()) << index << " = " << value;
        EXPECT_EQ(reason.find('\n'), std::string::npos);
    }
    EXPECT_EQ(slider->value, 0.0);
    EXPECT_EQ(row->selected, 0);
}

using RenderScene = testing::GlTest;

TEST_F(RenderScene, ReadsTheFrameTopRowFirst) {
    TestScene scene("render");
    backgroundColour = {0, 0, 255};
    // A red band over the lower quarter of the view, drawn in window coordinates.
    scene.content = [] {
        glPushAttrib(GL_ENABLE_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0, 1, 0, 1, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glColor3d(1, 0, 0);
        glRectd(0, 0, 1, 0.25);
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopAttrib();
    };
    const RgbImage image = renderScene(scene, 200, 160);
    ASSERT_EQ(image.width, 200);
    ASSERT_EQ(image.height, 160);
    const unsigned char* top = image.at(100, 10);
    const unsigned char* bottom = image.at(100, 150);
    EXPECT_EQ(top[0], 0);
    EXPECT_EQ(top[2], 255);
    EXPECT_EQ(bottom[0], 255);
    EXPECT_EQ(bottom[2], 0);
}

} // namespace
} // namespace tessivo
