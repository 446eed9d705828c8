#include "tests/support/gl_context.h"
#include "tests/support/test_scene.h"
#include "ui/widget_panel.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::RecordingControl;

TEST(WidgetLayout, PlacesTheOffsetFromTheAnchorCorner) {
    std::vector<std::string> log;
    RecordingControl control("c", log);
    const struct {
        int anchor;
        Vec2 offset, at800x600, at1024x768;
    } cases[] = {
        {BottomRight, {-60, 30}, {740, 30}, {964, 30}},
        {TopLeft, {80, -80}, {80, 520}, {80, 688}},
        {BottomLeft, {40, 20}, {40, 20}, {40, 20}},
        {TopRight, {-10, -10}, {790, 590}, {1014, 758}},
        {7, {40, 20}, {40, 20}, {40, 20}}, // unknown anchors count as bottom-left
        {-1, {5, 6}, {5, 6}, {5, 6}},
    };
    for (const auto& c : cases) {
        control.anchor = c.anchor;
        control.offset = c.offset;
        control.layout(800, 600);
        EXPECT_EQ(control.position, c.at800x600) << "anchor " << c.anchor;
        control.layout(1024, 768);
        EXPECT_EQ(control.position, c.at1024x768) << "anchor " << c.anchor;
    }
}

class PanelWithTwoControls : public ::testing::Test {
protected:
    void SetUp() override {
        first = panel.add(std::make_unique<RecordingControl>("first", log));
        second = panel.add(std::make_unique<RecordingControl>("second", log));
        first->offset = {100, 100};
        second->offset = {110, 100}; // overlaps the first
        second->anchor = BottomLeft;
        panel.layout(800, 600);
    }
    std::vector<std::string> log;
    WidgetPanel panel;
    RecordingControl* first = nullptr;
    RecordingControl* second = nullptr;
};

TEST_F(PanelWithTwoControls, FirstAddedWinsWhereTheyOverlap) {
    EXPECT_EQ(panel.target({105, 100}), static_cast<PointerHandler*>(first));
    EXPECT_EQ(panel.target({115, 100}), static_cast<PointerHandler*>(second));
    EXPECT_EQ(panel.target({500, 500}), nullptr);
}

TEST_F(PanelWithTwoControls, HiddenControlsAreHitButNotDrawn) {
    first->hidden = true;
    EXPECT_EQ(panel.target({105, 100}), static_cast<PointerHandler*>(first));
    testing::ensureGlContext();
    panel.draw();
    EXPECT_EQ(first->draws, 0);
    EXPECT_EQ(second->draws, 1);
}

TEST_F(PanelWithTwoControls, PointsAwayFromEveryControlTargetNothing) {
    EXPECT_EQ(panel.target({400, 300}), nullptr);
    EXPECT_EQ(panel.target({500, 500}), nullptr);
}

// A control that leaves GL in a state that the 3D view must not inherit.
class CarelessControl : public Widget {
public:
    void draw() override {
        drawnWithLighting = glIsEnabled(GL_LIGHTING);
        drawnWithDepthTest = glIsEnabled(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glEnable(GL_BLEND);
        glColor3d(0.1, 0.2, 0.3);
    }
    bool drawnWithLighting = true;
    bool drawnWithDepthTest = true;
};

TEST(PanelDrawing, DrawsFlatAndRestoresTheState) {
    testing::ensureGlContext();
    WidgetPanel panel;
    auto* careless = panel.add(std::make_unique<CarelessControl>());
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glColor3d(1, 1, 1);
    panel.draw();
    EXPECT_FALSE(careless->drawnWithLighting);
    EXPECT_FALSE(careless->drawnWithDepthTest);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0], 1.0f);
}

} // namespace
} // namespace tessivo
