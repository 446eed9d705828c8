// The six strip scenes as the program builds them: their controls, what a frame reads from the
// controls into the band, the wheel buttons, and the map scene's pointer handling (with the
// pick's answer given; the real pick is in strip_scene_gl_test.cpp). None of this needs GL.

#include "app/shell.h"
#include "math/angles.h"
#include "scene/rotation_controller.h"
#include "scene/scene_registry.h"
#include "surfaces/drawing/appearance_row.h"
#include "surfaces/moebius/middle_piece_row.h"
#include "surfaces/moebius/strip_scene.h"
#include "surfaces/moebius/wheel_button.h"
#include "tests/support/gl_context.h"
#include "tests/support/saved_process_state.h"
#include "tests/support/vec3_checks.h"
#include "tests/surfaces/moebius/strip_scene_set.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <GL/glut.h>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

const StripSceneKind allKinds[] = {StripSceneKind::SquareToBand, StripSceneKind::Wheels,
                                   StripSceneKind::CutInTwo,     StripSceneKind::Sliding,
                                   StripSceneKind::CutInThree,   StripSceneKind::Map};

// The six scenes, fresh for every test, with the process-wide state put back afterwards.
class StripScenes : public ::testing::Test {
protected:
    StripScene& builtScene(StripSceneKind kind) { return scenes.scene(kind); }
    RotationController& sceneRotation() { return scenes.rotation; }

    testing::SavedProcessState saved;
    testing::StripSceneSet scenes;
};

using testing::expectNear;

// The largest difference between the vertices of two drawings of the same shape, or infinity
// when their primitives do not correspond.
double largestVertexDifference(const SurfaceDrawing& a, const SurfaceDrawing& b) {
    if (a.size() != b.size()) {
        return INFINITY;
    }
    double largest = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto* pa = std::get_if<DrawPrimitive>(&a[i]);
        const auto* pb = std::get_if<DrawPrimitive>(&b[i]);
        if (!pa || !pb) {
            continue;
        }
        if (pa->vertices.size() != pb->vertices.size()) {
            return INFINITY;
        }
        for (std::size_t v = 0; v < pa->vertices.size(); ++v) {
            largest =
                std::max(largest, length(pa->vertices[v].position - pb->vertices[v].position));
        }
    }
    return largest;
}

// Every control sits on the line 20 pixels above the bottom edge, at the x the scene gives it,
// in the order the snapshot tool and the user count them.
TEST_F(StripScenes, ControlsInTheirPlacesAndOrder) {
    const struct {
        StripSceneKind kind;
        std::vector<double> xs;
    } scenes[] = {{StripSceneKind::SquareToBand, {150, 250}},
                  {StripSceneKind::Wheels, {100, 120, 140, 210}},
                  {StripSceneKind::CutInTwo, {150, 250}},
                  {StripSceneKind::Sliding, {250, 200}},
                  {StripSceneKind::CutInThree, {150, 250, 330}},
                  {StripSceneKind::Map, {}}};
    for (const auto& expected : scenes) {
        StripScene& scene = builtScene(expected.kind);
        const std::string name = scene.identifier;
        ASSERT_EQ(scene.panel->sceneControlCount(), static_cast<int>(expected.xs.size())) << name;
        scene.panel->layout(1024, 768);
        for (std::size_t k = 0; k < expected.xs.size(); ++k) {
            const Widget* control = scene.panel->sceneControl(static_cast<int>(k));
            EXPECT_EQ(control->anchor, BottomLeft) << name << " " << k;
            EXPECT_EQ(control->position.x, expected.xs[k]) << name << " " << k;
            EXPECT_EQ(control->position.y, 20.0) << name << " " << k;
            if (const auto* dial = dynamic_cast<const Dial*>(control)) {
                EXPECT_EQ(dial->angle, pi) << name << " " << k;
            }
        }
    }
    StripScene& wheels = builtScene(StripSceneKind::Wheels);
    EXPECT_EQ(wheels.plusButton->action, WheelButton::Action::Add);
    EXPECT_EQ(wheels.minusButton->action, WheelButton::Action::Remove);
    EXPECT_EQ(wheels.crossButton->action, WheelButton::Action::Clear);
    EXPECT_EQ(wheels.plusButton->strip, &wheels.strip);
}

// The twist a dial gives: the angle itself, or the multiple of pi within a tenth of pi of it.
void expectTwistFromDial(double twist, double angle) {
    const double turns = angle / pi;
    const double nearest = std::round(turns);
    if (std::abs(turns - nearest) < 0.1 - 1e-9) {
        EXPECT_EQ(twist, nearest * pi) << "angle " << angle;
    } else if (std::abs(turns - nearest) > 0.1 + 1e-9) {
        EXPECT_NEAR(twist, angle, 1e-12) << "angle " << angle;
    }
}

TEST_F(StripScenes, SliderAndDialShapeTheBandEveryFrame) {
    std::mt19937 random(44);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_real_distribution<double> angle(-6.0 * pi, 6.0 * pi);
    for (const StripSceneKind kind :
         {StripSceneKind::SquareToBand, StripSceneKind::CutInTwo, StripSceneKind::CutInThree}) {
        StripScene& scene = builtScene(kind);
        for (int trial = 0; trial < 200; ++trial) {
            const double value = unit(random);
            // Every fourth dial angle lies near a multiple of pi, where the twist snaps.
            const double a = trial % 4 == 0 ? std::round(angle(random) / pi) * pi +
                                                  0.19 * pi * (unit(random) - 0.5)
                                            : angle(random);
            scene.slider->value = value;
            scene.twistDial->setAngle(a);
            scene.updateStrip();
            EXPECT_EQ(scene.strip.param, value);
            expectTwistFromDial(scene.strip.twist, a);
        }
        // The dial's start, pi, is the Moebius band; a little off pi still is, 1.5 pi is not.
        scene.twistDial->setAngle(pi);
        scene.updateStrip();
        EXPECT_EQ(scene.strip.twist, pi);
        scene.twistDial->setAngle(1.09 * pi);
        scene.updateStrip();
        EXPECT_EQ(scene.strip.twist, pi);
        scene.twistDial->setAngle(1.5 * pi);
        scene.updateStrip();
        EXPECT_NEAR(scene.strip.twist, 1.5 * pi, 1e-12);
        scene.twistDial->setAngle(-0.95 * pi);
        scene.updateStrip();
        EXPECT_EQ(scene.strip.twist, -pi);
    }
}

TEST_F(StripScenes, CutInThreeShowsTheChosenMiddlePiece) {
    StripScene& scene = builtScene(StripSceneKind::CutInThree);
    EXPECT_EQ(scene.strip.param, 0.0);
    scene.panel->layout(800, 600);
    for (const int choice : {2, 1, 0, 2}) {
        scene.middlePieceRow->onPress({scene.middlePieceRow->itemX(choice), 20});
        scene.updateStrip();
        EXPECT_EQ(scene.strip.middlePiece, choice);
    }
}

TEST_F(StripScenes, WheelSceneRebuildsItsBandOnlyWhenTheAppearanceChanges) {
    StripScene& scene = builtScene(StripSceneKind::Wheels);
    EXPECT_EQ(scene.strip.twist, pi);
    EXPECT_EQ(scene.strip.bend, 1.0);
    scene.strip.listDirty = false;
    scene.updateStrip(); // still solid
    EXPECT_FALSE(scene.strip.listDirty);
    for (const int choice : {1, 2, 0}) {
        scene.appearanceRow->setSelected(choice);
        scene.updateStrip();
        EXPECT_EQ(scene.strip.appearance, choice);
        EXPECT_TRUE(scene.strip.listDirty);
        scene.strip.listDirty = false; // as drawing the band would
        scene.updateStrip();
        EXPECT_FALSE(scene.strip.listDirty);
    }
}

// The phase dial's angle / 4 pi less its integer part toward zero: negative angles give
// negative phases. Either way one turn of the dial is one period of the sliding motion.
TEST_F(StripScenes, PhaseDialSlidesTheHalvesOnePeriodPerTurn) {
    StripScene& scene = builtScene(StripSceneKind::Sliding);
    EXPECT_EQ(scene.strip.param, 0.0);
    scene.updateStrip(); // the dials' start: halves exchanged, an exact Moebius band
    EXPECT_EQ(scene.strip.param, 0.25);
    EXPECT_EQ(scene.strip.twist, pi);

    const struct {
        double angle, param;
    } cases[] = {{0.0, 0.0},          {2.0 * pi, 0.5},    {4.0 * pi, 0.0},    {5.0 * pi, 0.25},
                 {-pi, -0.25},        {-3.0 * pi, -0.75}, {-5.0 * pi, -0.25}, {-4.0 * pi, 0.0},
                 {-41.0 * pi, -0.25}, {42.0 * pi, 0.5}};
    for (const auto& c : cases) {
        scene.phaseDial->setAngle(c.angle);
        scene.updateStrip();
        EXPECT_NEAR(scene.strip.param, c.param, 1e-12) << "angle " << c.angle;
    }

    std::mt19937 random(45);
    std::uniform_real_distribution<double> angle(-60.0, 60.0);
    std::uniform_int_distribution<int> turns(-7, 7);
    for (int trial = 0; trial < 40; ++trial) {
        const double a = angle(random);
        scene.phaseDial->setAngle(a);
        scene.updateStrip();
        const double param = scene.strip.param;
        EXPECT_LT(std::abs(param), 1.0);
        EXPECT_TRUE(param == 0.0 || (param > 0.0) == (a > 0.0)) << a;
        const SurfaceDrawing sliding = scene.strip.slidingDrawing();

        scene.phaseDial->setAngle(a + 2.0 * pi * turns(random));
        scene.updateStrip();
        EXPECT_LT(largestVertexDifference(scene.strip.slidingDrawing(), sliding), 1e-9) << a;
        // Half a turn more is half a period: the halves are elsewhere.
        scene.phaseDial->setAngle(a + pi);
        scene.updateStrip();
        EXPECT_GT(largestVertexDifference(scene.strip.slidingDrawing(), sliding), 0.1) << a;
    }
}

// Wheel scene on screen: the toolkit's callbacks deliver presses and releases at window
// coordinates (y down) to the control under the pointer.
class WheelButtons : public StripScenes {
protected:
    void SetUp() override {
        SceneRegistry& registry = SceneRegistry::instance();
        registry.clearShowList();
        registry.appendToShowList("Moebius2");
        shellState().windowWidth = 800;
        shellState().windowHeight = 600;
        scene.panel->layout(800, 600);
    }
    void clickAt(double x, double y) {
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, static_cast<int>(x), 600 - static_cast<int>(y));
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, static_cast<int>(x), 600 - static_cast<int>(y));
    }
    void expectWheelsAt(int now, const std::vector<double>& expected) {
        const std::vector<double> x = scene.strip.wheelParameters(now);
        ASSERT_EQ(x.size(), expected.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            EXPECT_NEAR(x[i], expected[i], 1e-12) << "wheel " << i;
        }
    }
    testing::FixedClock clock{0};
    StripScene& scene = builtScene(StripSceneKind::Wheels);
};

TEST_F(WheelButtons, PlusAddsMinusRemovesTheOldestCrossClears) {
    std::vector<double>& wheels = scene.strip.wheelOffsets;
    ASSERT_EQ(wheels.size(), 1u); // the wheel of the start
    clock.set(2000);
    clickAt(100, 20); // plus
    clock.set(5000);
    clickAt(104, 24); // plus again, off centre but inside the button
    expectWheelsAt(5000, {1.5, 1.3, 1.0});
    clickAt(120, 20); // minus: the wheel of the start goes first
    expectWheelsAt(5000, {1.3, 1.0});
    EXPECT_TRUE(scene.animating()); // the wheels roll on by the clock
    clickAt(140, 20);               // cross
    EXPECT_TRUE(wheels.empty());
    EXPECT_FALSE(scene.animating());
    clickAt(120, 20); // minus on no wheels
    EXPECT_TRUE(wheels.empty());
    clickAt(100, 20);
    EXPECT_EQ(wheels.size(), 1u);
    EXPECT_TRUE(scene.animating());
    clickAt(110, 20); // between plus and minus: neither
    clickAt(100, 30); // 10 pixels above the plus centre: outside
    EXPECT_EQ(wheels.size(), 1u);
}

// The scene starts with one wheel, added (here) at 0 ms: at the end of the band, x = 1, like
// one added with the plus button then. Each goes once along the band in 10 s, and is back on
// its side of the band after 20 s.
TEST_F(WheelButtons, WheelsStartAtTheEndAndComeBackAfterTwoTrips) {
    ASSERT_EQ(scene.strip.wheelOffsets.size(), 1u);
    expectWheelsAt(0, {1.0});
    clickAt(100, 20); // a wheel added at 0 by the user
    ASSERT_EQ(scene.strip.wheelOffsets.size(), 2u);
    EXPECT_EQ(scene.strip.wheelOffsets[0], scene.strip.wheelOffsets[1]);

    clock.set(3000);
    clickAt(100, 20); // and one at 3 s
    const auto poseAfter = [&](int ms) {
        std::vector<WheelPose> poses;
        for (const double x : scene.strip.wheelParameters(ms)) {
            poses.push_back(scene.strip.wheelPoseAt(x));
        }
        return poses;
    };
    const WheelPose start = scene.strip.wheelPoseAt(1.0); // the end of the band
    const double b = 15.0 / (2.0 * pi);
    expectNear(start.contact, Vec3{b, 0, 0} + 0.025 * start.up, 1e-12);

    for (const auto& [wheel, t0] : {std::pair{0, 0}, std::pair{2, 3000}}) {
        // Half a trip: the far side of the ring.
        const WheelPose half = poseAfter(t0 + 5000)[wheel];
        expectNear(half.contact - 0.025 * half.up, {-b, 0, 0}, 1e-9);
        // One trip: the same point of the band, on the other face.
        const WheelPose one = poseAfter(t0 + 10000)[wheel];
        expectNear(one.contact - 0.025 * one.up, start.contact - 0.025 * start.up, 1e-9);
        expectNear(one.up, -1.0 * start.up, 1e-9);
        expectNear(one.axle, -1.0 * start.axle, 1e-9);
        // Two trips: back where it started, facing the same way, having rolled 30 units.
        const WheelPose two = poseAfter(t0 + 20000)[wheel];
        expectNear(two.contact, start.contact, 1e-9);
        expectNear(two.up, start.up, 1e-9);
        EXPECT_NEAR(two.rollRadians - start.rollRadians, -30.0 / 0.3, 1e-6);
    }
}

// The map scene: a press on a region colours it or takes its colour away; a press elsewhere
// and the drag after it turn the band. Here the pick's answer is given.
class MapPresses : public StripScenes {
protected:
    StripScene& scene = builtScene(StripSceneKind::Map);
    RotationController& rotation = *scene.rotation();
};

TEST_F(MapPresses, ARegionTogglesBetweenGreyAndItsColour) {
    EXPECT_TRUE(scene.rotating);
    for (int region = 1; region <= 6; ++region) {
        scene.pressOnPart({400, 300}, region);
        EXPECT_FALSE(scene.rotating);
        EXPECT_EQ(scene.strip.regionColours[region], region);
    }
    scene.pressOnPart({400, 300}, 3);
    EXPECT_EQ(scene.strip.regionColours, (std::array<int, 7>{0, 1, 2, 0, 4, 5, 6}));
    scene.pressOnPart({400, 300}, 3);
    EXPECT_EQ(scene.strip.regionColours[3], 3);
    // A name that is no region changes no colour.
    const auto before = scene.strip.regionColours;
    scene.pressOnPart({400, 300}, 7);
    EXPECT_EQ(scene.strip.regionColours, before);
    EXPECT_FALSE(scene.rotating);
}

TEST_F(MapPresses, DragsTurnTheBandOnlyAfterAPressOffTheRegions) {
    const auto start = rotation.orientation;
    rotation.spin = {0.5, 0.0};
    scene.pressOnPart({300, 300}, 4);
    EXPECT_EQ(rotation.spin.x, 0.5); // the rotation never saw the press
    scene.onDrag({390, 300});
    scene.onRelease({390, 300});
    EXPECT_EQ(rotation.orientation, start);
    EXPECT_EQ(scene.strip.regionColours[4], 4);

    scene.pressOnPart({300, 300}, 0); // a border, an edge or the background
    EXPECT_TRUE(scene.rotating);
    EXPECT_EQ(rotation.spin.x, 0.0); // the press reached the rotation
    scene.onDrag({345, 300});
    scene.onDrag({390, 300});
    scene.onRelease({390, 300});
    // 90 pixels to the right: a quarter turn about the screen's y axis.
    RotationController quarter(0.0, 20.0);
    quarter.rotateAbout({0, 1, 0}, 90.0);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(rotation.orientation[i], quarter.orientation[i], 1e-5) << i;
    }
    EXPECT_EQ(scene.strip.regionColours[4], 4);
}

TEST_F(MapPresses, TheSceneTakesThePointerWhereNoControlDoes) {
    scene.panel->layout(800, 600);
    EXPECT_EQ(scene.target({400, 300}), static_cast<PointerHandler*>(&scene));
    // The next-scene arrow, one of the panel's standard controls.
    ASSERT_NE(scene.panel->target({60, 20}), nullptr);
    EXPECT_EQ(scene.target({60, 20}), scene.panel->target({60, 20}));
    // The other strip scenes leave the pointer to the rotation, and ignore presses themselves.
    for (const StripSceneKind kind : allKinds) {
        if (kind == StripSceneKind::Map) {
            continue;
        }
        StripScene& other = builtScene(kind);
        other.panel->layout(800, 600);
        EXPECT_EQ(other.target({400, 300}), &sceneRotation());
        other.pressOnPart({400, 300}, 3);
        other.onDrag({500, 300});
        EXPECT_EQ(other.strip.regionColours[3], 0);
    }
    EXPECT_EQ(rotation.orientation, RotationController(0.0, 20.0).orientation);
}

} // namespace
} // namespace tessivo
