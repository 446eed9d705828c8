#include "app/shell.h"
#include "app/static_objects.h"
#include "scene/rotation_controller.h"
#include "scene/scene_registry.h"
#include "surfaces/polyhedra/dual_pair_scene.h"
#include "surfaces/polyhedra/woven_strip_scene.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/support/process_state_test.h"
#include "tests/surfaces/polyhedra/scene_view.h"
#include "ui/slider.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::HalfColour;

DualPairScene* pair(const std::string& identifier) {
    ensureStaticObjects();
    return dynamic_cast<DualPairScene*>(SceneRegistry::instance().find(identifier));
}

WovenStripScene* ring() {
    ensureStaticObjects();
    return dynamic_cast<WovenStripScene*>(SceneRegistry::instance().find("ring"));
}

using PolyhedraScenes = testing::ProcessStateTest;

TEST_F(PolyhedraScenes, AreRegisteredInOrderWithTheirCaptions) {
    ensureStaticObjects();
    const std::vector<Scene*> scenes = SceneRegistry::instance().registeredScenes();
    const char* identifiers[] = {"ring", "tetratetra", "cubeocta", "icododeca"};
    const char* captions[] = {"Moebius intrecciato", "Tetraedro / tetraedro", "Cubo / ottaedro",
                              "Icosaedro / dodecaedro"};
    const auto first = std::find_if(scenes.begin(), scenes.end(),
                                    [](const Scene* s) { return s->identifier == "ring"; });
    ASSERT_GE(std::distance(first, scenes.end()), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(first[i]->identifier, identifiers[i]);
        EXPECT_EQ(first[i]->title(), captions[i]);
    }
    EXPECT_NE(ring(), nullptr);
    EXPECT_NE(pair("tetratetra"), nullptr);
    EXPECT_NE(pair("cubeocta"), nullptr);
    EXPECT_NE(pair("icododeca"), nullptr);
    // None of them is in the exhibition's show list.
    SceneRegistry::instance().buildShowList();
    for (int i = 0; i < SceneRegistry::instance().count(); ++i) {
        EXPECT_EQ(std::count(identifiers, identifiers + 4,
                             SceneRegistry::instance().sceneAt(i)->identifier),
                  0);
    }
}

TEST_F(PolyhedraScenes, PairsShareOneRotationThatStartsTurned) {
    for (const char* identifier : {"tetratetra", "cubeocta", "icododeca"}) {
        ASSERT_NE(pair(identifier), nullptr);
        EXPECT_EQ(pair(identifier)->rotation(), &polyhedraRotation) << identifier;
    }
    ASSERT_NE(ring(), nullptr);
    EXPECT_EQ(ring()->rotation(), &ring()->ownRotation);

    // 10 degrees about the screen's vertical, then 20 about its horizontal: Rx(20) Ry(10), in
    // the column-major order of GL.
    const double a = 10 * M_PI / 180, b = 20 * M_PI / 180;
    const double expected[16] = {std::cos(a),
                                 std::sin(b) * std::sin(a),
                                 -std::cos(b) * std::sin(a),
                                 0,
                                 0,
                                 std::cos(b),
                                 std::sin(b),
                                 0,
                                 std::sin(a),
                                 -std::sin(b) * std::cos(a),
                                 std::cos(b) * std::cos(a),
                                 0,
                                 0,
                                 0,
                                 0,
                                 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(polyhedraRotation.orientation[i], expected[i], 1e-6) << i;
    }
}

// Drags over empty space of the current scene through the toolkit's callbacks, then rests
// before the release so that nothing spins on.
void dragAcross(testing::FixedClock& clock, int fromX, int toX, int y) {
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, fromX, y);
    clock.advance(30);
    motionCallback((fromX + toX) / 2, y);
    clock.advance(30);
    motionCallback(toX, y);
    clock.advance(400);
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, toX, y);
}

TEST_F(PolyhedraScenes, TurningOnePairTurnsTheOthersButNotTheBand) {
    testing::ensureGlContext();
    testing::FixedClock clock(5000);
    ensureStaticObjects();
    SceneRegistry& registry = SceneRegistry::instance();
    registry.clearShowList();
    for (const char* identifier : {"tetratetra", "cubeocta", "icododeca", "ring"}) {
        registry.appendToShowList(identifier);
    }
    reshapeCallback(800, 600);
    ASSERT_EQ(registry.current()->identifier, "tetratetra");

    dragAcross(clock, 400, 450, 200);
    RotationController expected(10, 20);
    expected.rotateBy(50, 0);
    specialCallback(GLUT_KEY_RIGHT, 0, 0);
    ASSERT_EQ(registry.current()->identifier, "cubeocta");
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(registry.current()->rotation()->orientation[i], expected.orientation[i], 1e-6);
    }
    EXPECT_EQ(polyhedraRotation.spin.x, 0.0);

    // On the band, the same drag turns the band only.
    specialCallback(GLUT_KEY_RIGHT, 0, 0);
    specialCallback(GLUT_KEY_RIGHT, 0, 0);
    ASSERT_EQ(registry.current()->identifier, "ring");
    const auto pairsBefore = polyhedraRotation.orientation;
    dragAcross(clock, 400, 450, 200);
    EXPECT_EQ(polyhedraRotation.orientation, pairsBefore);
    RotationController band;
    band.rotateBy(50, 0);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(ring()->ownRotation.orientation[i], band.orientation[i], 1e-6);
    }
}

class PairDrawing : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        testing::useOrthographicSceneView();
    }
    testing::Feedback draw(const std::string& identifier, double t) {
        DualPairScene* scene = pair(identifier);
        EXPECT_NE(scene, nullptr);
        scene->morphSlider->value = t;
        auto feedback = testing::captureFeedback([&] { scene->display(); });
        EXPECT_FALSE(feedback.overflowed);
        return feedback;
    }
};

TEST_F(PairDrawing, FourTilesPerEdgeAtAnySliderValue) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> anywhere(0.0, 1.0);
    for (const auto& [identifier, tiles] :
         {std::pair<std::string, size_t>{"tetratetra", 24}, {"cubeocta", 48}, {"icododeca", 120}}) {
        for (int trial = 0; trial < 8; ++trial) {
            const double t = trial == 0 ? 0.0 : trial == 1 ? 1.0 : anywhere(random);
            SCOPED_TRACE(identifier + " at " + std::to_string(t));
            EXPECT_EQ(testing::colouredPolygons(draw(identifier, t)).size(), tiles);
        }
    }
}

TEST_F(PairDrawing, SolidsAndDualsTakeTheirColoursFromTheirTables) {
    const HalfColour red{1, 0, 0}, green{0, 1, 0}, blue{0, 0, 1}, yellow{1, 1, 0}, cyan{0, 1, 1},
        magenta{1, 0, 1};
    using Counts = std::map<HalfColour, int>;
    // Tetrahedron: four faces and four vertices, each of a colour of its own; six tiles to a
    // face of the solid and of the dual.
    const Counts tetrahedron = {{red, 6}, {green, 6}, {blue, 6}, {yellow, 6}};
    EXPECT_EQ(testing::tileColourCounts(draw("tetratetra", 1.0)), tetrahedron);
    EXPECT_EQ(testing::tileColourCounts(draw("tetratetra", 0.0)), tetrahedron);
    // Cube: opposite faces alike, eight tiles each; octahedron: the vertices red and green by
    // parity, six tiles each.
    EXPECT_EQ(testing::tileColourCounts(draw("cubeocta", 1.0)),
              (Counts{{red, 16}, {green, 16}, {blue, 16}}));
    EXPECT_EQ(testing::tileColourCounts(draw("cubeocta", 0.0)), (Counts{{red, 24}, {green, 24}}));
    // Icosahedron: faces through five colours, four faces of six tiles each; dodecahedron:
    // vertices through six colours, two pentagons of ten tiles each.
    EXPECT_EQ(testing::tileColourCounts(draw("icododeca", 1.0)),
              (Counts{{red, 24}, {green, 24}, {blue, 24}, {yellow, 24}, {cyan, 24}}));
    EXPECT_EQ(
        testing::tileColourCounts(draw("icododeca", 0.0)),
        (Counts{{red, 20}, {green, 20}, {blue, 20}, {yellow, 20}, {cyan, 20}, {magenta, 20}}));
}

} // namespace
} // namespace tessivo
