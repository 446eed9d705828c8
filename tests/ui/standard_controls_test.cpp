#include "scene/scene.h"
#include "tests/ui/controls_fixture.h"
#include "ui/colour_picker.h"
#include "ui/credits_emblem.h"
#include "ui/scene_menu.h"
#include "ui/scene_step_button.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::ControlsTest;

// The pickers edit the process-wide background colour, which the fixture puts back.
class StandardControls : public ::testing::Test {
protected:
    testing::SavedProcessState saved;
};

TEST_F(StandardControls, EveryPanelStartsWithTheFiveInOrder) {
    WidgetPanel panel;
    ASSERT_EQ(panel.widgets.size(), 5u);
    auto* previous = dynamic_cast<SceneStepButton*>(panel.widgets[0].get());
    auto* next = dynamic_cast<SceneStepButton*>(panel.widgets[1].get());
    ASSERT_TRUE(previous && next);
    EXPECT_EQ(previous->direction, 0);
    EXPECT_EQ(next->direction, 1);
    EXPECT_TRUE(dynamic_cast<SceneMenu*>(panel.widgets[2].get()));
    EXPECT_TRUE(dynamic_cast<CreditsEmblem*>(panel.widgets[3].get()));
    auto* picker = dynamic_cast<ColourPicker*>(panel.widgets[4].get());
    ASSERT_TRUE(picker);
    EXPECT_EQ(panel.colourPicker, picker);
    EXPECT_TRUE(picker->hidden);
    EXPECT_EQ(picker->channels, backgroundColour.data());
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_FALSE(panel.widgets[i]->hidden);
    }

    const Vec2 at800x600[] = {{40, 20}, {60, 20}, {20, 20}, {740, 30}, {80, 520}};
    const Vec2 at1024x768[] = {{40, 20}, {60, 20}, {20, 20}, {964, 30}, {80, 688}};
    panel.layout(800, 600);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(panel.widgets[i]->position, at800x600[i]) << i;
    }
    panel.layout(1024, 768);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(panel.widgets[i]->position, at1024x768[i]) << i;
    }
}

TEST_F(StandardControls, AllPickersEditTheOneBackgroundColour) {
    WidgetPanel first, second;
    first.layout(800, 600);
    second.layout(800, 600);
    auto* picker = static_cast<ColourPicker*>(first.colourPicker);
    picker->onPress({double(picker->pixelOf(backgroundColour[2])), 550});
    picker->onDrag({picker->right() + 50, 550});
    EXPECT_EQ(backgroundColour[2], 255);
    EXPECT_EQ(static_cast<ColourPicker*>(second.colourPicker)->channels[2], 255);
}

class StandardControlsByKeys : public ControlsTest {};

TEST_F(StandardControlsByKeys, SShowsAndHidesThePickerAndEverySceneStartsWithItHidden) {
    Widget* picker = current().panel->colourPicker;
    keyboardCallback('s', 0, 0);
    EXPECT_FALSE(picker->hidden);
    keyboardCallback('S', 0, 0);
    EXPECT_TRUE(picker->hidden);
    keyboardCallback('s', 0, 0);
    clickAt({60, 20}); // next scene
    ASSERT_EQ(SceneRegistry::instance().currentIndex(), 1);
    EXPECT_TRUE(current().panel->colourPicker->hidden);
    clickAt({40, 20}); // and back: the first scene's picker is hidden again as well
    EXPECT_TRUE(picker->hidden);
}

TEST_F(StandardControlsByKeys, OnlyAShownPickerIsDrawn) {
    const auto pureBlue = [&] {
        int count = 0;
        const auto feedback = testing::captureFeedback([&] { current().panel->draw(); });
        for (const auto& polygon : feedback.polygons) {
            for (const auto& v : polygon) {
                count += testing::hasColour(v, 0, 0, 1);
            }
        }
        return count;
    };
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -200, 200);
    glMatrixMode(GL_MODELVIEW);
    EXPECT_EQ(pureBlue(), 0);
    keyboardCallback('s', 0, 0);
    EXPECT_GT(pureBlue(), 0);
}

} // namespace
} // namespace tessivo
