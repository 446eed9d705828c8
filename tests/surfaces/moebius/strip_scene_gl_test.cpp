// The strip scenes in a real GL context: what a frame draws from the controls, and the map
// scene's regions clicked through the toolkit's mouse callbacks, with the real pick.

#include "app/shell.h"
#include "scene/overlay_settings.h"
#include "scene/rotation_controller.h"
#include "scene/scene_registry.h"
#include "surfaces/drawing/appearance_row.h"
#include "surfaces/moebius/strip_scene.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/surfaces/moebius/strip_scene_set.h"
#include "ui/slider.h"

#include <GL/glu.h>
#include <GL/glut.h>
#include <array>
#include <gtest/gtest.h>
#include <map>

namespace tessivo {
namespace {

std::array<double, 16> modelview() {
    std::array<double, 16> m;
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// The six scenes in the window, fresh for every test.
class StripSceneFrames : public testing::GlTest {
protected:
    // The scene alone in the show list, in the 800 x 600 window, as the shell prepares it.
    StripScene& showOnly(StripSceneKind kind) {
        StripScene& scene = scenes.scene(kind);
        SceneRegistry& registry = SceneRegistry::instance();
        registry.clearShowList();
        registry.appendToShowList(scene.identifier);
        reshapeCallback(800, 600);
        scene.initGL();
        return scene;
    }

    testing::StripSceneSet scenes;
    RotationController& sharedRotation = scenes.rotation;
};

TEST_F(StripSceneFrames, EveryFrameReadsTheControlsAndRestoresTheMatrix) {
    testing::FixedClock clock(0);
    for (const StripSceneKind kind :
         {StripSceneKind::SquareToBand, StripSceneKind::Wheels, StripSceneKind::CutInTwo,
          StripSceneKind::Sliding, StripSceneKind::CutInThree, StripSceneKind::Map}) {
        StripScene& scene = showOnly(kind);
        glTranslated(1, 2, 3);
        const auto before = modelview();
        const auto feedback = testing::captureFeedback([&] { scene.display(); });
        EXPECT_EQ(modelview(), before) << scene.identifier;
        EXPECT_GT(feedback.polygons.size(), 1000u) << scene.identifier;
        EXPECT_FALSE(feedback.overflowed);
    }
    // The slider of the square scene bends the square as the frame is drawn.
    StripScene& square = showOnly(StripSceneKind::SquareToBand);
    square.slider->value = 0.3;
    square.display();
    EXPECT_EQ(square.strip.bend, 0.3);
}

// The band of the wheel scene is kept in a display list; choosing another appearance must
// rebuild it. (The glass band is recognised by its alpha; the striped band is not captured, as
// Mesa's feedback mode mishandles lists that mix quad strips with polygons.)
TEST_F(StripSceneFrames, WheelSceneRedrawsItsBandWhenTheAppearanceChanges) {
    testing::FixedClock clock(0);
    StripScene& scene = showOnly(StripSceneKind::Wheels);
    struct Counts {
        size_t all = 0, glass = 0;
    };
    const auto frame = [&] {
        Counts counts;
        for (const auto& polygon : testing::captureFeedback([&] { scene.display(); }).polygons) {
            ++counts.all;
            counts.glass += polygon[0].a == 0.5f ? 1 : 0;
        }
        return counts;
    };
    const Counts solid = frame();
    EXPECT_EQ(solid.glass, 0u);
    scene.appearanceRow->setSelected(2);
    EXPECT_EQ(frame().glass, 4u * 512u);
    scene.appearanceRow->setSelected(0);
    EXPECT_EQ(frame().glass, 0u);

    // The wheels are drawn with the band in every frame.
    scene.strip.clearWheels();
    const size_t bare = frame().all;
    EXPECT_LT(bare, solid.all);
    scene.strip.addWheel();
    clock.set(2500);
    scene.strip.addWheel();
    EXPECT_EQ(frame().all - bare, 2 * (solid.all - bare));
}

// The map scene in the window. Points of the band are found on screen by projecting them
// with the transformation that the scene's frame applies: 10 units ahead, the shared
// rotation, and the band stood upright.
class MapSceneGl : public StripSceneFrames {
protected:
    void SetUp() override {
        StripSceneFrames::SetUp();
        scene = &showOnly(StripSceneKind::Map);
    }

    // Window position (x right, y down, as the toolkit reports the pointer) of the point at
    // width fraction u and length parameter x on the face at side thickness / 2.
    Vec2 windowPointOf(double u, double x, double side) {
        StripModel closed;
        closed.bend = 1.0;
        const Vec3 point = stripPoint(closed.frameAt(x), (u - 0.5) * closed.stripWidth,
                                      side * closed.thickness / 2.0);
        glPushMatrix();
        glLoadIdentity();
        glTranslated(0.0, 0.0, -10.0);
        glMultMatrixf(sharedRotation.orientation.data());
        glRotated(90.0, 0.0, 0.0, 1.0);
        glRotated(-90.0, 0.0, 1.0, 0.0);
        GLdouble model[16], projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        glPopMatrix();
        GLdouble wx, wy, wz;
        gluProject(point.x, point.y, point.z, model, projection, viewport, &wx, &wy, &wz);
        return {std::round(wx), std::round(600.0 - wy)};
    }

    // A point of the region that the pick sees as that region, tried along its middle.
    std::optional<Vec2> visiblePointOf(int region) {
        for (const StripMapPatch& patch : StripModel::mapLayout()) {
            if (patch.name != region) {
                continue;
            }
            for (const double f : {0.5, 0.3, 0.7, 0.15, 0.85}) {
                for (const double side : {1.0, -1.0}) {
                    const Vec2 w = windowPointOf((patch.ua + patch.ub) / 2.0,
                                                 patch.xa + f * (patch.xb - patch.xa), side);
                    if (scene->pick({w.x, 600.0 - w.y}) == region) {
                        return w;
                    }
                }
            }
        }
        return std::nullopt;
    }

    void press(const Vec2& w) { mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, int(w.x), int(w.y)); }
    void dragTo(const Vec2& w) { motionCallback(int(w.x), int(w.y)); }
    void release(const Vec2& w) { mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, int(w.x), int(w.y)); }

    // The colour drawn at a window point in a full frame.
    std::array<int, 3> pixelAt(const Vec2& w) {
        drawFrame(*scene);
        glFinish();
        unsigned char rgb[3];
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(int(w.x), 600 - int(w.y), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        return {rgb[0], rgb[1], rgb[2]};
    }

    StripScene* scene = nullptr;
    testing::FixedClock clock{0};
};

bool isGrey(const std::array<int, 3>& c) {
    return std::abs(c[0] - c[1]) < 12 && std::abs(c[1] - c[2]) < 12 && c[0] > 60;
}

TEST_F(MapSceneGl, ClickingARegionTogglesItsColour) {
    for (const int region : {3, 4, 6}) {
        const auto w = visiblePointOf(region);
        ASSERT_TRUE(w) << "region " << region << " is nowhere in sight";
        EXPECT_TRUE(isGrey(pixelAt(*w))) << "region " << region;
        press(*w);
        release(*w);
        EXPECT_EQ(scene->strip.regionColours[region], region);
        const auto coloured = pixelAt(*w);
        EXPECT_FALSE(isGrey(coloured)) << "region " << region;
        if (region == 3) { // cyan: no red
            EXPECT_LT(coloured[0] * 3, coloured[1]);
            EXPECT_GT(coloured[2], 100);
        }
        press(*w);
        release(*w);
        EXPECT_EQ(scene->strip.regionColours[region], 0);
        EXPECT_TRUE(isGrey(pixelAt(*w))) << "region " << region;
    }
    EXPECT_EQ(sharedRotation.orientation, RotationController(0.0, 20.0).orientation);
}

TEST_F(MapSceneGl, DragFromARegionLeavesTheBandWhereItIs) {
    const auto w = visiblePointOf(5);
    ASSERT_TRUE(w);
    press(*w);
    for (int step = 1; step <= 6; ++step) {
        clock.advance(20);
        dragTo({w->x + 15 * step, w->y});
    }
    release({w->x + 90, w->y});
    EXPECT_EQ(sharedRotation.orientation, RotationController(0.0, 20.0).orientation);
    EXPECT_EQ(sharedRotation.spin.x, 0.0);
    EXPECT_EQ(scene->strip.regionColours[5], 5);
}

TEST_F(MapSceneGl, PressOnEmptySpaceOrABorderTurnsTheBand) {
    // Empty space above the band: 90 pixels to the right is a quarter turn about the
    // screen's y axis, and a quick release leaves it spinning.
    const Vec2 empty{400, 60};
    ASSERT_EQ(scene->pick({empty.x, 600 - empty.y}), 0);
    press(empty);
    for (int step = 1; step <= 6; ++step) {
        clock.advance(20);
        dragTo({empty.x + 15 * step, empty.y});
    }
    release({empty.x + 90, empty.y});
    RotationController quarter(0.0, 20.0);
    quarter.rotateAbout({0, 1, 0}, 90.0);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(sharedRotation.orientation[i], quarter.orientation[i], 1e-5) << i;
    }
    EXPECT_GT(sharedRotation.spin.x, 0.0);
    EXPECT_EQ(scene->strip.regionColours, (std::array<int, 7>{}));

    // In this view, a black border on screen that the pick answers with no region: the band
    // turns again, and the press first stops the spin.
    const float spinning = sharedRotation.spin.x;
    sharedRotation.spin = {0.0, 0.0};
    std::vector<unsigned char> frame(800 * 600 * 3);
    drawFrame(*scene);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    std::optional<Vec2> border;
    int tried = 0;
    for (int y = 100; y < 500 && !border && tried < 400; ++y) {
        for (int x = 100; x < 700 && !border && tried < 400; ++x) {
            const unsigned char* c = &frame[(y * 800 + x) * 3];
            if (c[0] < 30 && c[1] < 30 && c[2] < 30) {
                ++tried;
                if (scene->pick({double(x), double(y)}) == 0) {
                    border = Vec2{double(x), 600.0 - y};
                }
            }
        }
    }
    ASSERT_TRUE(border) << "no border among " << tried << " dark pixels";
    sharedRotation.spin = {spinning, 0.0};
    press(*border);
    EXPECT_TRUE(scene->rotating);
    EXPECT_EQ(sharedRotation.spin.x, 0.0);
    dragTo({border->x, border->y - 30}); // upwards: the front tips up
    release({border->x, border->y - 30});
    RotationController tipped = quarter;
    tipped.rotateAbout({1, 0, 0}, -30.0);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(sharedRotation.orientation[i], tipped.orientation[i], 1e-5) << i;
    }
    EXPECT_EQ(scene->strip.regionColours, (std::array<int, 7>{}));
}

// The controls grow with the overlay's scale, the band on screen does not: a press picks the
// region under the pointer at every scale, and only that region.
TEST_F(MapSceneGl, ARegionIsPickedUnderThePointerAtEveryOverlayScale) {
    std::map<int, Vec2> points;
    for (const int region : {2, 3, 6}) {
        const auto w = visiblePointOf(region);
        ASSERT_TRUE(w) << "region " << region << " is nowhere in sight";
        points[region] = *w;
    }
    // As in the exhibit, where the hidden colour picker, which grows over the band at the
    // larger scales, takes no pointer.
    overlaySettings().hiddenControlsTakePointer = false;
    for (const double scale : {1.0, 1.75, 2.0, 3.0}) {
        overlaySettings().scale = scale;
        reshapeCallback(800, 600);
        for (const auto& [region, w] : points) {
            press(w);
            release(w);
            std::array<int, 7> onlyThat{};
            onlyThat[static_cast<std::size_t>(region)] = region;
            EXPECT_EQ(scene->strip.regionColours, onlyThat) << "scale " << scale;
            press(w);
            release(w);
            EXPECT_EQ(scene->strip.regionColours, (std::array<int, 7>{})) << "scale " << scale;
        }
    }
}

} // namespace
} // namespace tessivo
