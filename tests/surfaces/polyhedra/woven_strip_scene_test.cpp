#include "math/angles.h"
#include "scene/rotation_controller.h"
#include "scene/scene_registry.h"
#include "surfaces/polyhedra/woven_strip_scene.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/surfaces/polyhedra/scene_view.h"
#include "tests/surfaces/polyhedra/woven_materials.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::captureFeedback;
using testing::trianglesByMaterial;

// The scene draws its band 10 units ahead of the eye.
Vec3 objectPoint(const testing::Feedback::Vertex& v) {
    return testing::eyePoint(v) + Vec3{0, 0, 10};
}

class WovenStripSceneTest : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        testing::useOrthographicSceneView();
    }
    testing::Feedback draw(double cut, double trim, double phi) {
        scene.cutSlider->value = cut;
        scene.edgeSlider->value = trim;
        scene.twistDial->setAngle(phi);
        auto feedback = captureFeedback([&] { scene.display(); });
        EXPECT_FALSE(feedback.overflowed);
        return feedback;
    }
    WovenStripScene scene;
};

// The counts that are not zero.
std::map<char, int> withoutZeros(std::map<char, int> count) {
    for (auto it = count.begin(); it != count.end();) {
        it = it->second == 0 ? count.erase(it) : std::next(it);
    }
    return count;
}

// What the band must show for a cut and a trim, counted in triangles by material, worked out
// from the band's 650 steps and the tube's 200 segments: n = (1 - cut) 650 vertex pairs per
// strip (n - 1 quads), e = (1 - trim) 200 tube segments of 18 triangles.
std::map<char, int> expectedTriangles(double cut, double trim) {
    const int n = static_cast<int>((1.0 - cut) * 650);
    const int e = static_cast<int>((1.0 - trim) * 200);
    std::map<char, int> count;
    const int quads = std::max(n - 1, 0);
    count['w'] = 2 * 2 * quads; // two slot walls
    if (cut > 0.0 && n > 0) {
        // Four face strips whose first 3 and last 4 pairs are red: 2 + 3 red quads, 2 quads
        // that blend into the band's colour, the rest in it; and four caps at the two ends.
        count['r'] = 4 * 2 * 5;
        count['m'] = 4 * 2 * 2;
        count['b'] = 4 * 2 * (quads - 7);
        count['c'] = 4 * 2;
    } else {
        count['b'] = 4 * 2 * quads;
    }
    if (trim > 0.0) {
        // The first and the last segment red.
        count['r'] += 2 * 18;
        count['t'] = (e - 2) * 18;
    } else {
        count['t'] = e * 18;
    }
    return withoutZeros(count);
}

TEST_F(WovenStripSceneTest, ReadsCutAndTrimAtEveryFrame) {
    // One scene, its sliders moved between frames: each frame shows the values of its own.
    for (double cut : {0.0, 0.5, 1.0}) {
        for (double trim : {0.0, 0.5}) {
            SCOPED_TRACE(::testing::Message() << "cut " << cut << ", trim " << trim);
            const auto feedback = draw(cut, trim, 0.4);
            EXPECT_EQ(withoutZeros(trianglesByMaterial(feedback)), expectedTriangles(cut, trim));
        }
    }
}

TEST_F(WovenStripSceneTest, WholeBandLiesAroundTheCircleTenUnitsAhead) {
    const auto feedback = draw(0.0, 0.0, 0.0);
    ASSERT_FALSE(feedback.polygons.empty());
    double widest = 0, highest = 0;
    for (const auto& polygon : feedback.polygons) {
        for (const auto& v : polygon) {
            const Vec3 p = objectPoint(v);
            const double r = std::hypot(p.x, p.y);
            // Within the band's half-width and the tube's radius of the circle of radius 2.5.
            EXPECT_LE(std::hypot(r - 2.5, p.z), 0.8 + 0.08 + 1e-3);
            widest = std::max(widest, r);
            highest = std::max(highest, std::abs(p.z));
        }
    }
    EXPECT_NEAR(widest, 2.5 + 0.8 + 0.08, 1e-2);
    EXPECT_NEAR(highest, 0.8 + 0.08, 1e-2);
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

// The red ends of a trimmed tube sit where the band's edge starts, C(0) + 0.8 W(0), and where
// it comes back after one run, C(1) - 0.8 W(0): both on the circle's point (2.5, 0, 0), out
// along W(0) = cos(phi) x + sin(phi) z and back. So the dial angle shows in how high they reach.
double highestRed(const testing::Feedback& feedback) {
    double highest = -1e9;
    for (const auto& polygon : feedback.polygons) {
        for (const auto& v : polygon) {
            if (std::abs(v.r - 1.0) < 2e-3 && std::abs(v.g - 0.1) < 2e-3) {
                highest = std::max(highest, objectPoint(v).z);
            }
        }
    }
    return highest;
}

TEST_F(WovenStripSceneTest, ReadsTheDialAtEveryFrame) {
    // A segment spans 0.01 of the parameter, over which the section turns by 0.094 radians.
    EXPECT_LT(highestRed(draw(0.0, 0.5, 0.0)), 0.8 * std::sin(0.095) + 0.081);
    EXPECT_NEAR(highestRed(draw(0.0, 0.5, pi / 2)), 0.88, 2e-3);
    EXPECT_NEAR(highestRed(draw(0.0, 0.5, -pi / 2)), 0.88, 2e-3);

    // A whole turn of the dial draws the same band again; a little less does not.
    const auto start = draw(0.5, 0.5, 0.3);
    const auto around = draw(0.5, 0.5, 0.3 + 2 * pi);
    const auto nearly = draw(0.5, 0.5, 0.3 + 2 * pi - 0.2);
    ASSERT_EQ(start.polygons.size(), around.polygons.size());
    double apart = 0, nearlyApart = 0;
    for (size_t i = 0; i < start.polygons.size(); ++i) {
        for (size_t k = 0; k < start.polygons[i].size(); ++k) {
            apart = std::max(apart, static_cast<double>(std::abs(start.polygons[i][k].x -
                                                                 around.polygons[i][k].x)));
            nearlyApart = std::max(
                nearlyApart,
                static_cast<double>(std::abs(start.polygons[i][k].x - nearly.polygons[i][k].x)));
        }
    }
    EXPECT_LT(apart, 1e-2);
    EXPECT_GT(nearlyApart, 5.0);
}

TEST_F(WovenStripSceneTest, LightsItselfAndKeepsTheMatrix) {
    glDisable(GL_LIGHT0);
    glTranslated(0.5, 0.0, 0.0);
    GLdouble before[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, before);
    draw(0.2, 0.0, 0.0);
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    EXPECT_TRUE(std::equal(before, before + 16, after));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
}

TEST(WovenStripScene, IsTheRingWithThreeControlsAndARotationOfItsOwn) {
    WovenStripScene scene;
    EXPECT_EQ(SceneRegistry::instance().find("ring"), &scene);
    EXPECT_EQ(scene.title(), "Moebius intrecciato");
    EXPECT_EQ(scene.rotation(), &scene.ownRotation);
    const std::array<float, 16> identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(scene.ownRotation.orientation, identity);

    // In the order added (what tessivo-snapshot's --set counts): cut, edge, twist.
    ASSERT_EQ(scene.panel->sceneControlCount(), 3);
    EXPECT_EQ(scene.panel->sceneControl(0), scene.cutSlider);
    EXPECT_EQ(scene.panel->sceneControl(1), scene.edgeSlider);
    EXPECT_EQ(scene.panel->sceneControl(2), scene.twistDial);
    scene.panel->layout(1024, 768);
    EXPECT_EQ(scene.cutSlider->position, (Vec2{150, 60}));
    EXPECT_EQ(scene.edgeSlider->position, (Vec2{150, 20}));
    EXPECT_EQ(scene.twistDial->position, (Vec2{250, 20}));
    for (const Slider* slider : {scene.cutSlider, scene.edgeSlider}) {
        EXPECT_EQ(slider->minValue, 0.0);
        EXPECT_EQ(slider->maxValue, 1.0);
        EXPECT_EQ(slider->value, 0.0);
    }
    EXPECT_EQ(scene.twistDial->angle, 0.0);

    // A drag on empty space turns the band, not any control.
    PointerHandler* handler = scene.target({600, 400});
    ASSERT_EQ(handler, &scene.ownRotation);
    handler->onPress({600, 400});
    handler->onDrag({645, 400});
    EXPECT_NE(scene.ownRotation.orientation, identity);
    EXPECT_EQ(scene.cutSlider->value, 0.0);
    EXPECT_EQ(scene.twistDial->angle, 0.0);
}

} // namespace
} // namespace tessivo
