#include "scene/rotation_controller.h"
#include "scene/scene_registry.h"
#include "surfaces/polyhedra/dual_pair_scene.h"
#include "surfaces/polyhedra/polyhedron_solids.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/surfaces/polyhedra/scene_view.h"
#include "ui/slider.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::captureFeedback;
using testing::colouredPolygons;
using testing::eyePoint;
using testing::HalfColour;
using testing::tileColourCounts;

// The scenes draw their object 6 units ahead of the eye.
Vec3 objectPoint(const testing::Feedback::Vertex& v) {
    return eyePoint(v) + Vec3{0, 0, 6};
}

class DualPairSceneTest : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        testing::useOrthographicSceneView();
    }
    testing::Feedback draw(DualPairScene& scene) {
        const auto feedback = captureFeedback([&] { scene.display(); });
        EXPECT_FALSE(feedback.overflowed);
        return feedback;
    }
    RotationController still; // identity: object axes are the screen's
};

TEST_F(DualPairSceneTest, ReadsTheMorphSliderAtEveryFrame) {
    DualPairScene scene("cube-pair", makeCube(), cubeFaceColours, cubeVertexColours,
                        {"Cubo", {}, {}, {}}, still);
    const double halfSide = 2.0 / std::sqrt(3.0);

    // t = 1: the cube. Every tile lies in a face plane, at half the side from the centre on one
    // axis and no farther on the others; two faces of each colour, eight tiles to a face.
    scene.morphSlider->value = 1.0;
    auto feedback = draw(scene);
    ASSERT_EQ(colouredPolygons(feedback).size(), 48u);
    for (const auto& tile : colouredPolygons(feedback)) {
        for (const auto& corner : tile) {
            const Vec3 p = objectPoint(corner);
            EXPECT_NEAR(std::max({std::abs(p.x), std::abs(p.y), std::abs(p.z)}), halfSide, 2e-4);
        }
    }
    EXPECT_EQ(tileColourCounts(feedback),
              (std::map<HalfColour, int>{{{1, 0, 0}, 16}, {{0, 1, 0}, 16}, {{0, 0, 1}, 16}}));

    // t = 0 on the same scene: the octahedron, its tiles facing along the body diagonals, its
    // faces (the cube's vertices) alternately red and green, six tiles to a face.
    scene.morphSlider->value = 0.0;
    feedback = draw(scene);
    ASSERT_EQ(colouredPolygons(feedback).size(), 48u);
    for (const auto& tile : colouredPolygons(feedback)) {
        const Vec3 a = objectPoint(tile[0]), b = objectPoint(tile[1]), c = objectPoint(tile[2]);
        const Vec3 n = normalised(cross(b - a, c - a));
        EXPECT_NEAR(std::abs(n.x), 1.0 / std::sqrt(3.0), 1e-3);
        EXPECT_NEAR(std::abs(n.y), 1.0 / std::sqrt(3.0), 1e-3);
        EXPECT_NEAR(std::abs(n.z), 1.0 / std::sqrt(3.0), 1e-3);
    }
    EXPECT_EQ(tileColourCounts(feedback),
              (std::map<HalfColour, int>{{{1, 0, 0}, 24}, {{0, 1, 0}, 24}}));

    // Halfway every tile takes the mean of its two colours. Each face has two red and two green
    // corners: a red face gives 8 red and 8 red-green tiles, a green face 8 red-green and 8
    // green, a blue face 8 blue-red and 8 blue-green.
    scene.morphSlider->value = 0.5;
    feedback = draw(scene);
    EXPECT_EQ(tileColourCounts(feedback), (std::map<HalfColour, int>{{{1, 0, 0}, 8},
                                                                     {{0, 1, 0}, 8},
                                                                     {{0.5, 0.5, 0}, 16},
                                                                     {{0.5, 0, 0.5}, 8},
                                                                     {{0, 0.5, 0.5}, 8}}));
}

TEST_F(DualPairSceneTest, OutlinesEveryTileAndLeavesTheMatrixAsItFoundIt) {
    DualPairScene scene("tetra-pair", makeTetrahedron(), tetrahedronColours, tetrahedronColours,
                        {"Tetra", {}, {}, {}}, still);
    glTranslated(0.25, -0.5, 0.0);
    GLdouble before[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, before);
    scene.morphSlider->value = 0.3;
    const auto feedback = draw(scene);
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    EXPECT_TRUE(std::equal(before, before + 16, after));
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);

    // 24 tiles, each edged by three black rods of 10 slices and 10 stacks.
    EXPECT_EQ(colouredPolygons(feedback).size(), 24u);
    EXPECT_GE(feedback.polygons.size() - 24, 24u * 3 * 10 * 10);
}

TEST(DualPairScene, PutsTheSolidOnTheSphereOfRadiusTwoAndItsSliderAtTheBottom) {
    RotationController rotation;
    const HalfEdgeMesh icosahedron = makeIcosahedron();
    ASSERT_GT(std::abs(length(icosahedron.vertexPosition(0)) - 2.0), 0.5);
    DualPairScene scene("ico-pair", icosahedron, icosahedronFaceColours, icosahedronVertexColours,
                        {"Icosaedro", {}, {}, {}}, rotation);
    ASSERT_EQ(scene.mesh.vertexCount(), 12);
    for (int v = 0; v < scene.mesh.vertexCount(); ++v) {
        EXPECT_NEAR(length(scene.mesh.vertexPosition(v)), 2.0, 1e-12);
        // Scaled about the centre: every vertex keeps its direction.
        EXPECT_NEAR(dot(normalised(scene.mesh.vertexPosition(v)),
                        normalised(icosahedron.vertexPosition(v))),
                    1.0, 1e-12);
    }

    // Registered under the identifier, shown with the caption.
    EXPECT_EQ(SceneRegistry::instance().find("ico-pair"), &scene);
    EXPECT_EQ(scene.title(), "Icosaedro");
    EXPECT_EQ(scene.rotation(), &rotation);

    // The slider is the scene's only control, from 0 to 1, starting on the dual.
    ASSERT_EQ(scene.panel->sceneControlCount(), 1);
    EXPECT_EQ(scene.panel->sceneControl(0), scene.morphSlider);
    EXPECT_EQ(scene.morphSlider->minValue, 0.0);
    EXPECT_EQ(scene.morphSlider->maxValue, 1.0);
    EXPECT_EQ(scene.morphSlider->value, 0.0);
    scene.panel->layout(1024, 768);
    EXPECT_EQ(scene.morphSlider->position, (Vec2{250, 20}));
}

TEST_F(DualPairSceneTest, PairsThatShareARotationTurnTogether) {
    testing::FixedClock clock(1000);
    RotationController shared(10, 20);
    DualPairScene tetra("tetra-pair", makeTetrahedron(), tetrahedronColours, tetrahedronColours,
                        {"Tetra", {}, {}, {}}, shared);
    DualPairScene cube("cube-pair", makeCube(), cubeFaceColours, cubeVertexColours,
                       {"Cubo", {}, {}, {}}, shared);
    const auto before = draw(cube);

    // A drag on empty space of the tetrahedron's scene, 30 pixels right and 12 up.
    tetra.panel->layout(800, 600);
    PointerHandler* handler = tetra.target({400, 300});
    ASSERT_EQ(handler, &shared);
    handler->onPress({400, 300});
    clock.advance(20);
    handler->onDrag({430, 312});
    clock.advance(500);
    handler->onRelease({430, 312});

    // The cube now stands as a cube that was turned by the same drag on its own.
    RotationController alone(10, 20);
    alone.rotateBy(30, 12);
    DualPairScene reference("cube-alone", makeCube(), cubeFaceColours, cubeVertexColours,
                            {"Cubo", {}, {}, {}}, alone);
    const auto turned = draw(cube);
    const auto expected = draw(reference);
    ASSERT_EQ(turned.polygons.size(), expected.polygons.size());
    ASSERT_EQ(turned.polygons.size(), before.polygons.size());
    double moved = 0;
    for (size_t i = 0; i < turned.polygons.size(); ++i) {
        ASSERT_EQ(turned.polygons[i].size(), expected.polygons[i].size());
        for (size_t k = 0; k < turned.polygons[i].size(); ++k) {
            EXPECT_NEAR(turned.polygons[i][k].x, expected.polygons[i][k].x, 1e-3);
            EXPECT_NEAR(turned.polygons[i][k].y, expected.polygons[i][k].y, 1e-3);
            moved = std::max(moved, static_cast<double>(std::abs(turned.polygons[i][k].x -
                                                                 before.polygons[i][k].x)));
        }
    }
    EXPECT_GT(moved, 20.0);
    // The release came after a rest of half a second: the solid does not spin on.
    EXPECT_EQ(shared.spin.x, 0.0);
    EXPECT_EQ(shared.spin.y, 0.0);
}

} // namespace
} // namespace tessivo
