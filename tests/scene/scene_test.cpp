#include "scene/scene.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_scene.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::RecordingControl;
using testing::TestScene;

// A square facing the viewer, side 2, centred on the z axis at depth z.
void square(double z) {
    glBegin(GL_QUADS);
    glVertex3d(-1, -1, z);
    glVertex3d(1, -1, z);
    glVertex3d(1, 1, z);
    glVertex3d(-1, 1, z);
    glEnd();
}

class ScenePicking : public testing::GlTest {
protected:
    TestScene scene{"picking"};
    const Vec2 centre{400, 300};
};

TEST_F(ScenePicking, ReturnsTheNameOfTheFrontPart) {
    scene.content = [] {
        glLoadName(2);
        square(-8);
        glLoadName(1);
        square(-5);
        glLoadName(3);
        square(-12);
    };
    EXPECT_EQ(scene.pick(centre), 1);
}

TEST_F(ScenePicking, OrderOfDrawingDoesNotMatter) {
    scene.content = [] {
        glLoadName(7);
        square(-4);
        glLoadName(9);
        square(-9);
    };
    EXPECT_EQ(scene.pick(centre), 7);
}

TEST_F(ScenePicking, EmptyBackgroundAndUnnamedOccludersGiveZero) {
    scene.content = [] {
        glLoadName(5);
        square(-8);
    };
    EXPECT_EQ(scene.pick({20, 20}), 0);
    scene.content = [] {
        glLoadName(5);
        square(-8);
        glLoadName(0);
        square(-3); // occludes without being pickable
    };
    EXPECT_EQ(scene.pick(centre), 0);
    scene.content = [] {
        square(-3); // drawn under the stack's bottom entry
        glLoadName(5);
        square(-8);
    };
    EXPECT_EQ(scene.pick(centre), 0);
}

TEST_F(ScenePicking, LeavesMatricesAndRenderModeAsTheyWere) {
    scene.reshape(800, 600);
    GLfloat before[16];
    glGetFloatv(GL_PROJECTION_MATRIX, before);
    scene.content = [] { square(-5); };
    scene.pick(centre);
    GLfloat after[16];
    glGetFloatv(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(before[i], after[i]);
    }
    GLint mode = 0, matrixMode = 0;
    glGetIntegerv(GL_RENDER_MODE, &mode);
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(mode, GL_RENDER);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
}

TEST(NearestHitName, PicksTheSmallestMinimumDepthAndTheEarlierOnATie) {
    // Records: (count, min, max, names...)
    const GLuint buffer[] = {1, 500, 600, 4, 2, 300, 900, 8, 9, 1, 300, 310, 6, 0, 700, 800};
    EXPECT_EQ(nearestHitName(buffer, 16, 4), 9);
    EXPECT_EQ(nearestHitName(buffer, 16, 1), 4);
    EXPECT_EQ(nearestHitName(buffer, 16, 0), 0);
    EXPECT_EQ(nearestHitName(buffer, 16, -1), 0); // the selection buffer overflowed
}

TEST(NearestHitName, RecordsThatDoNotFitGiveZero) {
    const GLuint buffer[] = {5, 100, 200, 1};
    EXPECT_EQ(nearestHitName(buffer, 4, 1), 0);
    const GLuint unnamed[] = {0, 100, 200};
    EXPECT_EQ(nearestHitName(unnamed, 3, 1), 0);
    EXPECT_EQ(nearestHitName(unnamed, 3, 2), 0);
}

class SceneBase : public testing::GlTest {};

TEST_F(SceneBase, TitleIsTheIdentifierUnlessOverridden) {
    TestScene scene("Identifier");
    EXPECT_EQ(scene.title(), "Identifier");
}

TEST_F(SceneBase, ReshapeSetsThePerspectiveForTheAspectRatio) {
    TestScene scene("aspect");
    scene.reshape(800, 600);
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    // gluPerspective puts f / aspect at (0, 0) and f at (1, 1).
    EXPECT_NEAR(m[5] / m[0], 800.0 / 600.0, 1e-6);
    EXPECT_NEAR(m[5], 1.0 / std::tan(22.5 * M_PI / 180.0), 1e-6);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(SceneBase, ReshapeToNoHeightKeepsTheProjectionFinite) {
    TestScene scene("minimised");
    for (auto [w, h] : {std::pair{800, 0}, std::pair{0, 0}, std::pair{0, 600}}) {
        scene.reshape(w, h);
        GLdouble m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, m);
        for (double entry : m) {
            EXPECT_TRUE(std::isfinite(entry)) << w << " x " << h;
        }
    }
    scene.reshape(1024, 768);
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(m[5] / m[0], 1024.0 / 768.0, 1e-6);
}

TEST_F(SceneBase, InitGlLightsTheSceneFromAboveAndBehindTheViewer) {
    TestScene scene("light");
    scene.reshape(800, 600);
    scene.initGL();
    for (GLenum capability :
         {GL_AUTO_NORMAL, GL_NORMALIZE, GL_LIGHTING, GL_DEPTH_TEST, GL_LIGHT0}) {
        EXPECT_TRUE(glIsEnabled(capability)) << capability;
    }
    GLfloat position[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    EXPECT_EQ(position[0], 0.0f);
    EXPECT_EQ(position[1], 10.0f);
    EXPECT_EQ(position[2], 10.0f);
    EXPECT_EQ(position[3], 1.0f);
    GLfloat twoSided = 0;
    glGetFloatv(GL_LIGHT_MODEL_TWO_SIDE, &twoSided);
    EXPECT_EQ(twoSided, 1.0f);
}

TEST_F(SceneBase, ClearUsesTheBackgroundColour) {
    TestScene scene("clear");
    backgroundColour = {255, 0, 51};
    scene.clear();
    GLfloat colour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    EXPECT_FLOAT_EQ(colour[0], 1.0f);
    EXPECT_FLOAT_EQ(colour[1], 0.0f);
    EXPECT_FLOAT_EQ(colour[2], 0.2f);
    EXPECT_FLOAT_EQ(colour[3], 1.0f);
}

TEST(SceneTarget, ControlsFirstThenTheRotation) {
    std::vector<std::string> log;
    TestScene scene("target");
    auto* control = scene.panel->add(std::make_unique<RecordingControl>("c", log));
    control->offset = {100, 100};
    scene.panel->layout(800, 600);
    EXPECT_EQ(scene.target({105, 95}), static_cast<PointerHandler*>(control));
    EXPECT_EQ(scene.target({300, 300}), scene.rotation());
    control->hidden = true;
    EXPECT_EQ(scene.target({105, 95}), static_cast<PointerHandler*>(control));
}

} // namespace
} // namespace tessivo
