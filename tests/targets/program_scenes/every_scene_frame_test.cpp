#include "app/snapshot.h"
#include "app/snapshot_options.h"
#include "app/static_objects.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"
#include "tests/support/gl_context.h"
#include "tests/support/process_state_test.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using EveryScene = testing::ProcessStateTest;

// Every scene of the program draws its frame, controls included, without a GL error and
// leaves both matrix stacks as it found them.
TEST_F(EveryScene, DrawsAFrameWithoutGlErrorsAndBalancedMatrices) {
    testing::ensureGlContext();
    ensureStaticObjects();
    const std::vector<Scene*> scenes = SceneRegistry::instance().registeredScenes();
    ASSERT_GE(scenes.size(), 4u);
    while (glGetError() != GL_NO_ERROR) {
    }
    for (Scene* scene : scenes) {
        // With the pictures' controls in several states: at rest, then every own control
        // moved to its far end.
        for (int pass = 0; pass < 2; ++pass) {
            renderScene(*scene, 640, 480);
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << scene->identifier;
            GLint modelview = 0, projection = 0;
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelview);
            glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projection);
            EXPECT_EQ(modelview, 1) << scene->identifier;
            EXPECT_EQ(projection, 1) << scene->identifier;
            for (int k = 0; k < scene->panel->sceneControlCount(); ++k) {
                for (double value : {1.0, 2.0, 3.0}) {
                    applyControlSetting(*scene, ControlSetting{k, value});
                }
            }
        }
    }
}

// A scene's picture does not depend on what was drawn before it: drawn right after any other
// scene it is the picture it gives when drawn first. One case per scene.
class SceneAfterAnother : public ::testing::TestWithParam<int> {
protected:
    testing::SavedProcessState saved;
};

TEST_P(SceneAfterAnother, LooksAsWhenDrawnFirst) {
    testing::ensureGlContext();
    ensureStaticObjects();
    const testing::FixedClock clock(1000);
    const std::vector<Scene*> scenes = SceneRegistry::instance().registeredScenes();
    ASSERT_EQ(scenes.size(), 16u);
    Scene& scene = *scenes[static_cast<std::size_t>(GetParam())];
    const RgbImage first = renderScene(scene, 320, 240);
    for (Scene* before : scenes) {
        if (before != &scene) {
            renderScene(*before, 320, 240);
            EXPECT_EQ(countDifferingPixels(renderScene(scene, 320, 240), first, 0), 0)
                << scene.identifier << " after " << before->identifier;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScene, SceneAfterAnother, ::testing::Range(0, 16));

} // namespace
} // namespace tessivo
