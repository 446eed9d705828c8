#include "app/static_objects.h"
#include "math/angles.h"
#include "scene/rotation_controller.h"
#include "scene/scene_registry.h"
#include "surfaces/drawing/appearance_row.h"
#include "surfaces/klein/klein_cut_scene.h"
#include "surfaces/klein/klein_draw_mode_scene.h"
#include "surfaces/klein/klein_from_rectangle_scene.h"
#include "surfaces/klein/klein_label_scene.h"
#include "surfaces/klein/klein_mesh.h"
#include "surfaces/klein/label_placement.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/support/process_state_test.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::captureFeedback;

template <class SceneType> SceneType* kleinScene(const std::string& identifier) {
    ensureStaticObjects();
    return dynamic_cast<SceneType*>(SceneRegistry::instance().find(identifier));
}

using KleinScenes = testing::ProcessStateTest;

TEST_F(KleinScenes, FillTheShowListInOrderWithTheirCaptions) {
    ensureStaticObjects();
    SceneRegistry& registry = SceneRegistry::instance();
    registry.buildShowList();
    ASSERT_EQ(registry.count(), 4);
    const char* identifiers[] = {"KleinBottle1", "KleinBottle3", "KleinBottle4", "KleinBottle5"};
    const char* captions[] = {"Dal rettangolo alla bottiglia di Klein", "La bottiglia di Klein",
                              "Etichetta sulla bottiglia", "Bottiglia di Klein tagliata in due"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(registry.sceneAt(i), nullptr);
        EXPECT_EQ(registry.sceneAt(i)->identifier, identifiers[i]);
        EXPECT_EQ(registry.sceneAt(i)->title(), captions[i]);
        // One rotation for the family, so the bottle keeps its attitude between them.
        EXPECT_EQ(registry.sceneAt(i)->rotation(), &kleinRotation);
    }
    EXPECT_NE(kleinScene<KleinFromRectangleScene>("KleinBottle1"), nullptr);
    EXPECT_NE(kleinScene<KleinDrawModeScene>("KleinBottle3"), nullptr);
    EXPECT_NE(kleinScene<KleinLabelScene>("KleinBottle4"), nullptr);
    EXPECT_NE(kleinScene<KleinCutScene>("KleinBottle5"), nullptr);
}

TEST_F(KleinScenes, SharedRotationStartsAQuarterTurnAboutZ) {
    ensureStaticObjects();
    const std::array<float, 16>& m = kleinRotation.orientation;
    // Column-major: x goes to y, y goes to -x, z stays.
    const float expected[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], expected[i], 1e-6) << i;
    }
}

TEST_F(KleinScenes, ControlsSitAlongTheBottomEdge) {
    auto* rectangle = kleinScene<KleinFromRectangleScene>("KleinBottle1");
    auto* modes = kleinScene<KleinDrawModeScene>("KleinBottle3");
    auto* label = kleinScene<KleinLabelScene>("KleinBottle4");
    auto* cut = kleinScene<KleinCutScene>("KleinBottle5");
    ASSERT_TRUE(rectangle && modes && label && cut);
    for (Scene* scene : {static_cast<Scene*>(rectangle), static_cast<Scene*>(modes),
                         static_cast<Scene*>(label), static_cast<Scene*>(cut)}) {
        scene->panel->layout(1024, 768);
    }
    EXPECT_EQ(rectangle->slider->position, (Vec2{200, 20}));
    EXPECT_EQ(modes->choice->position, (Vec2{200, 20}));
    EXPECT_EQ(label->dial->position, (Vec2{100, 20}));
    EXPECT_EQ(cut->slider->position, (Vec2{150, 20}));
    // The scene's own control comes after the standard ones.
    EXPECT_EQ(rectangle->panel->widgets.back().get(), rectangle->slider);
    EXPECT_EQ(modes->choice->itemCount, 3);
    EXPECT_EQ(modes->choice->itemSpacing, 20);
    EXPECT_EQ(rectangle->slider->value, 0.0);
    EXPECT_EQ(label->dial->angle, 0.0);
    EXPECT_EQ(modes->choice->selected, 0);
}

class KleinSceneDisplay : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        ensureStaticObjects();
    }

    // Displays the scene as a frame does and returns the number of polygons it drew; checks
    // that the frame built one mesh and left the modelview matrix as it was.
    static std::size_t display(Scene& scene) {
        scene.reshape(800, 600);
        scene.initGL();
        const long long builds = kleinMeshBuilds();
        const auto feedback = captureFeedback([&] { scene.display(); });
        EXPECT_EQ(kleinMeshBuilds(), builds + 1)
            << "meshes built by a frame of " << scene.identifier;
        EXPECT_FALSE(feedback.overflowed);
        double m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(m[i], i % 5 == 0 ? 1.0 : 0.0) << "modelview entry " << i;
        }
        return feedback.polygons.size();
    }
};

TEST_F(KleinSceneDisplay, RectangleSliderRollsThenCloses) {
    auto* scene = kleinScene<KleinFromRectangleScene>("KleinBottle1");
    ASSERT_NE(scene, nullptr);
    for (double t : {0.0, 0.25, 0.49, 0.5, 0.75, 1.0}) {
        scene->slider->value = t;
        EXPECT_GT(display(*scene), 0u) << t;
        EXPECT_EQ(scene->setting().stage, t < 0.5 ? Rolling : Closing) << t;
        EXPECT_NEAR(scene->setting().progress, t < 0.5 ? 2 * t : 2 * t - 1, 1e-15);
    }
    // At the end, the finished bottle's ends meet.
    const KleinMesh end = kleinMesh(scene->setting().stage, scene->setting().progress);
    EXPECT_NEAR(end.frames[0].point.z, 0.99, 1e-9);
    EXPECT_NEAR(end.frames[99].point.z, 0.99, 1e-9);
}

TEST_F(KleinSceneDisplay, DrawModeRowChoosesSolidStripedOrGlass) {
    auto* scene = kleinScene<KleinDrawModeScene>("KleinBottle3");
    ASSERT_NE(scene, nullptr);
    const std::size_t solid = display(*scene);
    scene->choice->setSelected(1);
    const std::size_t striped = display(*scene);
    EXPECT_EQ(scene->setting().drawMode, StripedMode);
    scene->choice->setSelected(2);
    const std::size_t glass = display(*scene);
    EXPECT_EQ(scene->setting().drawMode, GlassMode);
    // Feedback sees only what is in the view, which all three modes share; stripes keep about
    // half of it, glass draws it twice.
    EXPECT_NEAR(static_cast<double>(striped) / solid, 50.0 / 99.0, 0.03);
    EXPECT_EQ(glass, 2 * solid);
}

TEST_F(KleinSceneDisplay, DialSlidesTheLabelOnceAroundPerTurn) {
    auto* scene = kleinScene<KleinLabelScene>("KleinBottle4");
    ASSERT_NE(scene, nullptr);
    EXPECT_GT(display(*scene), 0u);
    EXPECT_NEAR(scene->setting().progress, 0.07, 1e-15);
    scene->dial->setAngle(2 * pi + 0.01);
    EXPECT_GT(display(*scene), 0u);
    const LabelPlacement once = labelPlacement(scene->setting().progress, 100, 50);
    EXPECT_EQ(once.startRow, 14);
    EXPECT_TRUE(once.flipped);
    for (double angle : {-1000.0, -1.0, 1.0, 1000.0, 1e12}) {
        scene->dial->setAngle(angle);
        EXPECT_GT(display(*scene), 0u) << angle;
    }
}

TEST_F(KleinSceneDisplay, CutSliderSeparatesThenUnrolls) {
    auto* scene = kleinScene<KleinCutScene>("KleinBottle5");
    ASSERT_NE(scene, nullptr);
    const std::size_t whole = display(*scene);
    scene->slider->value = 0.3;
    const std::size_t halves = display(*scene);
    EXPECT_EQ(scene->setting().stage, Halves);
    EXPECT_EQ(scene->setting().progress, 0.3);
    EXPECT_GT(halves, whole);
}

TEST_F(KleinSceneDisplay, DrawModeIconsAreASquareFourBarsAndATranslucentSquare) {
    AppearanceRow choice({0.1, 0.7, 0.3});
    glMatrixMode(GL_PROJECTION);
    glOrtho(-20, 20, -20, 20, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_LIGHTING);
    const auto square = captureFeedback([&] { choice.drawItem(0); });
    const auto bars = captureFeedback([&] { choice.drawItem(1); });
    const auto glass = captureFeedback([&] { choice.drawItem(2); });
    // However GL splits a rectangle, the bars are four of them.
    ASSERT_GT(square.polygons.size(), 0u);
    EXPECT_EQ(bars.polygons.size(), 4 * square.polygons.size());
    EXPECT_EQ(glass.polygons.size(), square.polygons.size());
    EXPECT_NEAR(square.polygons[0][0].g, 0.7, 0.01);
    EXPECT_NEAR(square.polygons[0][0].a, 1.0, 0.01);
    EXPECT_NEAR(glass.polygons[0][0].a, 0.5, 0.01);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

} // namespace
} // namespace tessivo
