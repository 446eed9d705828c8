#include "app/shell.h"
#include "app/static_objects.h"
#include "scene/scene_registry.h"
#include "surfaces/crosscap/boundary_mode_choice.h"
#include "surfaces/crosscap/cross_cap_scene.h"
#include "surfaces/crosscap/cross_cap_surface.h"
#include "surfaces/crosscap/embedded_band_scene.h"
#include "surfaces/crosscap/surface_mode_choice.h"
#include "tests/support/process_state_test.h"
#include "tests/surfaces/crosscap/scene_frame.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <GL/glut.h>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>

namespace tessivo {
namespace {

using testing::Feedback;
using testing::sameFeedback;

CrossCapScene& registeredCrossCap() {
    ensureStaticObjects();
    auto* scene = dynamic_cast<CrossCapScene*>(SceneRegistry::instance().find("ProjectivePlane1"));
    EXPECT_NE(scene, nullptr);
    return *scene;
}

EmbeddedBandScene& registeredEmbeddedBand() {
    ensureStaticObjects();
    auto* scene =
        dynamic_cast<EmbeddedBandScene*>(SceneRegistry::instance().find("ProjectivePlane2"));
    EXPECT_NE(scene, nullptr);
    return *scene;
}

using CrossCapScenes = testing::ProcessStateTest;

TEST_F(CrossCapScenes, AreRegisteredInOrderAndStayOutOfTheShowList) {
    CrossCapScene& crossCap = registeredCrossCap();
    EmbeddedBandScene& band = registeredEmbeddedBand();
    EXPECT_EQ(crossCap.title(), "Cappuccio incrociato");
    EXPECT_EQ(band.title(), "Cappuccio incrociato senza incroci");

    const auto& order = SceneRegistry::instance().registeredScenes();
    const auto first = std::find(order.begin(), order.end(), &crossCap);
    const auto second = std::find(order.begin(), order.end(), &band);
    ASSERT_NE(first, order.end());
    ASSERT_NE(second, order.end());
    EXPECT_EQ(second - first, 1);

    SceneRegistry::instance().buildShowList();
    for (int i = 0; i < SceneRegistry::instance().count(); ++i) {
        EXPECT_NE(SceneRegistry::instance().sceneAt(i), &crossCap);
        EXPECT_NE(SceneRegistry::instance().sceneAt(i), &band);
    }
}

TEST_F(CrossCapScenes, ControlsSitAtTheBottomLeftInTheirOrder) {
    CrossCapScene& crossCap = registeredCrossCap();
    WidgetPanel& panel = *crossCap.panel;
    ASSERT_EQ(panel.sceneControlCount(), 4);
    EXPECT_EQ(panel.sceneControl(0), crossCap.slider);
    EXPECT_EQ(panel.sceneControl(1), crossCap.surfaceChoice);
    EXPECT_EQ(panel.sceneControl(2), crossCap.boundaryChoice);
    EXPECT_EQ(panel.sceneControl(3), crossCap.dial);

    EmbeddedBandScene& band = registeredEmbeddedBand();
    ASSERT_EQ(band.panel->sceneControlCount(), 2);
    EXPECT_EQ(band.panel->sceneControl(0), band.slider);
    EXPECT_EQ(band.panel->sceneControl(1), band.surfaceChoice);

    const struct {
        Widget* control;
        Vec2 at;
    } places[] = {{crossCap.slider, {200, 20}},
                  {crossCap.surfaceChoice, {300, 20}},
                  {crossCap.boundaryChoice, {380, 20}},
                  {crossCap.dial, {480, 30}},
                  {band.slider, {200, 30}},
                  {band.surfaceChoice, {300, 30}}};
    for (const auto& place : places) {
        for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1024, 768}}) {
            place.control->layout(width, height);
            EXPECT_EQ(place.control->position, place.at) << width << "x" << height;
        }
    }

    // Start: a thin band (slider at 0), solid surface, plain boundary, section at the start.
    for (Slider* slider : {crossCap.slider, band.slider}) {
        EXPECT_EQ(slider->minValue, 0.0);
        EXPECT_EQ(slider->maxValue, 1.0);
        EXPECT_EQ(slider->value, 0.0);
    }
    for (ChoiceRow* row : {static_cast<ChoiceRow*>(crossCap.surfaceChoice),
                           static_cast<ChoiceRow*>(band.surfaceChoice)}) {
        EXPECT_EQ(row->itemCount, 3);
        EXPECT_EQ(row->itemSpacing, 20.0);
        EXPECT_EQ(row->selected, 1);
    }
    EXPECT_EQ(crossCap.boundaryChoice->itemCount, 4);
    EXPECT_EQ(crossCap.boundaryChoice->itemSpacing, 20.0);
    EXPECT_EQ(crossCap.boundaryChoice->selected, 1);
    EXPECT_EQ(crossCap.dial->angle, 0.0);
}

// The rotation matrices of the screen axes, column-major 3 x 3 like the controller's block.
using Matrix3 = std::array<double, 9>;
Matrix3 aboutX(double degrees) {
    const double c = std::cos(degrees * M_PI / 180), s = std::sin(degrees * M_PI / 180);
    return {1, 0, 0, 0, c, s, 0, -s, c};
}
Matrix3 aboutY(double degrees) {
    const double c = std::cos(degrees * M_PI / 180), s = std::sin(degrees * M_PI / 180);
    return {c, 0, -s, 0, 1, 0, s, 0, c};
}
Matrix3 product(const Matrix3& a, const Matrix3& b) {
    Matrix3 m{};
    for (int col = 0; col < 3; ++col) {
        for (int row = 0; row < 3; ++row) {
            for (int k = 0; k < 3; ++k) {
                m[3 * col + row] += a[3 * k + row] * b[3 * col + k];
            }
        }
    }
    return m;
}
void expectOrientation(const RotationController& rotation, const Matrix3& expected) {
    for (int col = 0; col < 3; ++col) {
        for (int row = 0; row < 3; ++row) {
            EXPECT_NEAR(rotation.orientation[4 * col + row], expected[3 * col + row], 1e-6)
                << "row " << row << ", column " << col;
        }
        EXPECT_EQ(rotation.orientation[4 * col + 3], 0.0f);
        EXPECT_EQ(rotation.orientation[12 + col], 0.0f);
    }
    EXPECT_EQ(rotation.orientation[15], 1.0f);
}

TEST_F(CrossCapScenes, EachTurnsItsObjectWithItsOwnController) {
    CrossCapScene& crossCap = registeredCrossCap();
    EmbeddedBandScene& band = registeredEmbeddedBand();
    // Yaw first, then pitch, both about the screen's axes: Rx(pitch) Ry(yaw).
    expectOrientation(*crossCap.rotation(), aboutX(110));
    expectOrientation(*band.rotation(), product(aboutX(30), aboutY(160)));
    EXPECT_EQ(crossCap.rotation(), &crossCap.ownRotation);
    EXPECT_EQ(band.rotation(), &band.ownRotation);
    EXPECT_NE(crossCap.rotation(), &kleinRotation);
    EXPECT_NE(band.rotation(), &kleinRotation);

    // Turning one scene's object leaves the other where it was.
    crossCap.rotation()->rotateBy(25, -40);
    expectOrientation(*band.rotation(), product(aboutX(30), aboutY(160)));
    expectOrientation(*crossCap.rotation(), product(aboutY(25), product(aboutX(40), aboutX(110))));
}

class CrossCapFrame : public testing::SceneFrameTest {
protected:
    void SetUp() override {
        SceneFrameTest::SetUp();
        prepare(scene);
    }
    CrossCapScene& scene = registeredCrossCap();
};

TEST_F(CrossCapFrame, TakesTheMorphFromTheSliderAtTheStartOfEveryFrame) {
    EXPECT_EQ(scene.morph, 0.5);
    std::mt19937 random(61);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (const double value : {0.0, unit(random), unit(random), 1.0, unit(random)}) {
        scene.slider->value = value;
        capture([&] { scene.display(); });
        EXPECT_EQ(scene.morph, value);
    }
}

TEST_F(CrossCapFrame, ShowsTheDialOnlyWithTheMovingSection) {
    for (const int boundary : {3, 0, 3, 1, 2, 3, 3, 1}) {
        scene.boundaryChoice->setSelected(boundary);
        capture([&] { scene.display(); });
        EXPECT_EQ(scene.dial->hidden, boundary != 3) << "boundary item " << boundary;
    }
}

// The triangles GL receives for quad strips: two per quad.
size_t trianglesOf(const std::vector<crosscap::QuadStrip>& strips) {
    size_t triangles = 0;
    for (const crosscap::QuadStrip& strip : strips) {
        triangles += 2 * (strip.size() / 2 - 1);
    }
    return triangles;
}

// Every combination of the two rows, at random slider and dial values, shows the parts the
// rows choose, told apart by their sizes and, unlit, by their colours: the surface's 51 rows
// (26 when striped), the boundary tube (in the hue ramp's colours from item 2 on) and the
// section tube at the dial (item 3).
TEST_F(CrossCapFrame, DrawsTheBoundarySurfaceAndSectionThatTheRowsChoose) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_real_distribution<double> angle(-20.0, 20.0);
    glDisable(GL_LIGHTING); // so that the colours given reach the capture as they are
    for (int surface = 0; surface < 3; ++surface) {
        for (int boundary = 0; boundary < 4; ++boundary) {
            const double morph = unit(random), dialAngle = angle(random);
            scene.slider->value = morph;
            scene.dial->setAngle(dialAngle);
            scene.surfaceChoice->setSelected(surface);
            scene.boundaryChoice->setSelected(boundary);
            const Feedback drawn = capture([&] { scene.display(); });
            size_t expected = 0;
            expected += surface > 0 ? trianglesOf(crossCapSurface(morph, surface == 2)) : 0;
            expected += boundary > 0 ? trianglesOf(crossCapBoundaryTube(morph)) : 0;
            expected += boundary == 3 ? trianglesOf(crossCapSectionTube(morph, dialAngle)) : 0;
            std::set<std::array<int, 3>> colours;
            for (const auto& polygon : drawn.polygons) {
                for (const auto& v : polygon) {
                    colours.insert({int(v.r * 1000), int(v.g * 1000), int(v.b * 1000)});
                }
            }
            const std::string combination =
                "surface " + std::to_string(surface) + ", boundary " + std::to_string(boundary);
            EXPECT_EQ(drawn.polygons.size(), expected) << combination;
            EXPECT_TRUE(drawn.lines.empty()) << combination;
            if (boundary >= 2) {
                EXPECT_GE(colours.size(), 99u) << combination; // at least one per ring
            } else {
                EXPECT_LE(colours.size(), 1u) << combination; // material colours only
            }
        }
    }
}

TEST_F(CrossCapFrame, LeavesTheModelviewMatrixAsItFoundIt) {
    scene.boundaryChoice->setSelected(3);
    scene.surfaceChoice->setSelected(2);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(1, 2, 3);
    scene.display();
    std::array<double, 16> after{};
    glGetDoublev(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_EQ(after[12], 1.0);
    EXPECT_EQ(after[13], 2.0);
    EXPECT_EQ(after[14], 3.0);
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
}

// The scene driven as the user drives it: the pointer through the shell's callbacks, on the
// current scene of an 800 x 600 window.
class CrossCapByPointer : public testing::SceneFrameTest {
protected:
    void SetUp() override {
        SceneFrameTest::SetUp();
        SceneRegistry::instance().clearShowList();
        SceneRegistry::instance().appendToShowList("ProjectivePlane1");
        reshapeCallback(800, 600);
        scene.initGL();
    }
    void click(Vec2 p) {
        clock.advance(20);
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, int(p.x), 600 - int(p.y));
        clock.advance(20);
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, int(p.x), 600 - int(p.y));
    }
    void drag(Vec2 from, Vec2 to) {
        clock.advance(20);
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, int(from.x), 600 - int(from.y));
        for (int step = 1; step <= 10; ++step) {
            const Vec2 p = from + (step / 10.0) * (to - from);
            clock.advance(20);
            motionCallback(int(p.x), 600 - int(p.y));
        }
        clock.advance(300); // rest before letting go: no fling
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, int(to.x), 600 - int(to.y));
    }
    // One whole frame, the controls included; the number of polygons in the dial's ring colour
    // around its place.
    int dialPolygons() {
        const Feedback frame = capture([&] { drawFrame(scene); });
        int count = 0;
        for (const auto& polygon : frame.polygons) {
            bool inDial = true;
            for (const auto& v : polygon) {
                inDial = inDial && std::hypot(v.x - 480, v.y - 30) < 21 &&
                         std::abs(v.r - 0.3) < 2e-3 && std::abs(v.g - 0.4) < 2e-3 &&
                         std::abs(v.b - 0.8) < 2e-3;
            }
            count += inDial;
        }
        return count;
    }
    CrossCapScene& scene = registeredCrossCap();
};

TEST_F(CrossCapByPointer, TheBoundaryRowBringsOutTheDialInTheSameFrame) {
    EXPECT_EQ(dialPolygons(), 0); // plain boundary at start
    EXPECT_TRUE(scene.dial->hidden);
    click({410, 20}); // boundary item 3
    EXPECT_EQ(scene.boundaryChoice->selected, 3);
    EXPECT_GT(dialPolygons(), 0);
    EXPECT_FALSE(scene.dial->hidden);
    click({390, 20}); // item 2: coloured, no section
    EXPECT_EQ(dialPolygons(), 0);
    click({350, 20}); // item 0: no boundary at all
    EXPECT_EQ(scene.boundaryChoice->selected, 0);
    EXPECT_EQ(dialPolygons(), 0);
    click({310, 20}); // surface item 2
    EXPECT_EQ(scene.surfaceChoice->selected, 2);
    EXPECT_EQ(scene.boundaryChoice->selected, 0);
}

TEST_F(CrossCapByPointer, TheSliderMorphsAndTheDialMovesTheSection) {
    click({410, 20});
    // The knob starts at the left end of the track (x 150); dragged to its right end it gives
    // the full cross-cap.
    drag({150, 25}, {260, 25});
    capture([&] { drawFrame(scene); });
    EXPECT_EQ(scene.morph, 1.0);

    const Feedback before = capture([&] { scene.display(); });
    // A quarter turn of the knob, counter-clockwise, 15 pixels from the dial's centre.
    drag({495, 30}, {480, 45});
    EXPECT_GT(scene.dial->angle, 0.5);
    const Feedback after = capture([&] { scene.display(); });
    EXPECT_FALSE(sameFeedback(before, after));
    EXPECT_EQ(before.polygons.size(), after.polygons.size());
}

} // namespace
} // namespace tessivo
