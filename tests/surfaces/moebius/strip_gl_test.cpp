#include "surfaces/moebius/strip_model.h"
#include "surfaces/moebius/wheel.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_scene.h"

#include <GL/glu.h>
#include <gtest/gtest.h>
#include <set>

namespace tessivo {
namespace {

// Feedback mode breaks quads and polygons into triangles: a quad strip of 2k + 2 vertices
// gives 2k, and a polygon of n vertices n - 2 as well.
int trianglesOf(const SurfaceDrawing& drawing) {
    int triangles = 0;
    for (const DrawStep& step : drawing) {
        if (const auto* primitive = std::get_if<DrawPrimitive>(&step)) {
            triangles += static_cast<int>(primitive->vertices.size()) - 2;
        }
    }
    return triangles;
}

// An orthographic view of the box [-5, 5]^3, large enough for every rendering.
class MoebiusDrawingGl : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        glMatrixMode(GL_PROJECTION);
        glOrtho(-5, 5, -5, 5, -5, 5);
        glMatrixMode(GL_MODELVIEW);
        glDisable(GL_LIGHTING);
    }

    size_t trianglesDrawn(StripModel& strip) {
        const auto feedback = testing::captureFeedback([&] { strip.drawStrip(); });
        EXPECT_FALSE(feedback.overflowed);
        return feedback.polygons.size();
    }

    StripModel strip;
};

TEST_F(MoebiusDrawingGl, EachModeEmitsItsRendering) {
    strip.mode = 0;
    strip.param = 1.0;
    EXPECT_EQ(trianglesDrawn(strip), 4u * 512u);
    strip.param = 0.999; // still open: the two end caps as well
    EXPECT_EQ(trianglesDrawn(strip), 4u * 512u + 4u);
    EXPECT_EQ(strip.bend, 0.999);

    for (const int nothing : {2, 7, -1}) {
        strip.mode = nothing;
        EXPECT_EQ(trianglesDrawn(strip), 0u) << "mode " << nothing;
    }
    strip.mode = 3;
    strip.param = 0.6;
    EXPECT_EQ(trianglesDrawn(strip), 8u * 512u);
    EXPECT_EQ(strip.cutSpread, 0.6);
    EXPECT_EQ(strip.bend, 1.0);

    strip.mode = 4;
    EXPECT_EQ(trianglesDrawn(strip), 16u * 512u);
    EXPECT_EQ(strip.cutSpread, 0.0);

    strip.mode = 5;
    strip.middlePiece = 1;
    EXPECT_EQ(trianglesDrawn(strip), 12u * 512u);
    strip.middlePiece = 2;
    EXPECT_EQ(trianglesDrawn(strip), 8u * 512u);

    strip.mode = 6;
    strip.param = 0.0;
    strip.applyMode();
    const size_t map = trianglesDrawn(strip);
    EXPECT_EQ(map, static_cast<size_t>(trianglesOf(strip.mapDrawing())));
    EXPECT_GT(map, 2u * 512u);

    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

// The band of the wheel rendering is compiled once and replayed until listDirty is set again.
// Lighting is on so that the material's alpha reaches the captured colours: 1 for the solid
// band, 0.5 for the translucent one. (Mesa's feedback mode mishandles display lists that mix
// quad strips with polygons, so the striped band is not captured through the list here.)
TEST_F(MoebiusDrawingGl, WheelBandIsCachedUntilMarkedDirty) {
    testing::FixedClock clock(5000);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    auto alphas = [&] {
        const auto feedback = testing::captureFeedback([&] { strip.drawStrip(); });
        std::set<float> found;
        for (const auto& polygon : feedback.polygons) {
            for (const auto& v : polygon) {
                found.insert(v.a);
            }
        }
        EXPECT_EQ(feedback.polygons.size(), 4u * 512u);
        return found;
    };
    strip.mode = 1;
    ASSERT_TRUE(strip.listDirty);
    EXPECT_EQ(alphas(), std::set<float>{1.0f});
    EXPECT_FALSE(strip.listDirty);
    strip.appearance = 2;
    EXPECT_EQ(alphas(), std::set<float>{1.0f}); // still the solid band
    strip.listDirty = true;
    EXPECT_EQ(alphas(), std::set<float>{0.5f});
    EXPECT_FALSE(strip.listDirty);
    strip.appearance = 0;
    EXPECT_EQ(alphas(), std::set<float>{0.5f});
    // The glass band leaves depth writes on and blending off behind it.
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_EQ(depthWrites, GL_TRUE);
    EXPECT_EQ(glIsEnabled(GL_BLEND), GL_FALSE);
}

// Wheels are drawn before the band, each the same model.
TEST_F(MoebiusDrawingGl, EveryWheelIsDrawnWithTheBand) {
    testing::FixedClock clock(5000);
    strip.mode = 1;
    const size_t band = trianglesDrawn(strip);
    EXPECT_EQ(band, 4u * 512u);
    const size_t wheel = 2 * (2 * 29) + 2 * (2 * 29) + 3 * (2 * 14);
    strip.addWheel();
    EXPECT_EQ(trianglesDrawn(strip), band + wheel);
    clock.advance(1234);
    strip.addWheel();
    EXPECT_EQ(trianglesDrawn(strip), band + 2 * wheel);
    strip.removeOldestWheel();
    EXPECT_EQ(trianglesDrawn(strip), band + wheel);
    strip.clearWheels();
    EXPECT_EQ(trianglesDrawn(strip), band);
}

// The band, drawn after the wheels, is lit the same however many wheels there are.
TEST_F(MoebiusDrawingGl, WheelsLeaveTheBandsLightingAlone) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightModelf(GL_LIGHT_MODEL_LOCAL_VIEWER, 1.0f);
    strip.mode = 1;
    auto bandColours = [&] {
        const auto feedback = testing::captureFeedback([&] { strip.drawStrip(); });
        std::vector<float> colours;
        for (std::size_t k = feedback.polygons.size() - trianglesOf(strip.appearanceDrawing());
             k < feedback.polygons.size(); ++k) {
            for (const auto& v : feedback.polygons[k]) {
                colours.insert(colours.end(), {v.r, v.g, v.b});
            }
        }
        return colours;
    };
    const std::vector<float> alone = bandColours();
    strip.addWheel();
    EXPECT_EQ(bandColours(), alone);
}

// The wheel drawn on the band stands where wheelPoseAt puts it: its tyre is centred on the hub.
TEST_F(MoebiusDrawingGl, WheelsAreDrawnWhereTheirPoseSays) {
    testing::FixedClock clock(0);
    strip.bend = 1.0;
    strip.addWheel();
    for (const int now : {0, 2500, 10000, 13700, 20000}) {
        clock.set(now);
        const double x = strip.wheelParameters(now).front();
        const Vec3 hub = strip.wheelPoseAt(x).hub;
        const auto feedback = testing::captureFeedback([&] { strip.drawWheels(); });
        ASSERT_FALSE(feedback.polygons.empty());
        float lowX = 1e9f, highX = -1e9f, lowY = 1e9f, highY = -1e9f;
        for (const auto& polygon : feedback.polygons) {
            for (const auto& v : polygon) {
                lowX = std::min(lowX, v.x);
                highX = std::max(highX, v.x);
                lowY = std::min(lowY, v.y);
                highY = std::max(highY, v.y);
            }
        }
        // Window coordinates of the orthographic view: 80 pixels per unit across, 60 up.
        EXPECT_NEAR((lowX + highX) / 2.0, (hub.x + 5.0) * 80.0, 0.5) << now;
        EXPECT_NEAR((lowY + highY) / 2.0, (hub.y + 5.0) * 60.0, 0.5) << now;
    }
}

// Picking in the map: looking straight at a point of the band from close by, the pick at the
// centre of the window names the region there, or 0 on a border.
class MoebiusMapPicking : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        strip.mode = 6;
        scene.content = [this] {
            glLoadIdentity();
            gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
            strip.drawStrip();
        };
    }

    // drawStrip turns the band by 90 degrees about z after -90 about y: (x, y, z) -> (-y, -z, x).
    static Vec3 turned(const Vec3& v) { return {-v.y, -v.z, v.x}; }

    // Looks at width fraction u, length parameter x, from 1.5 units off the face on side.
    int pickAt(double u, double x, double side) {
        StripModel closed;
        closed.bend = 1.0;
        const MoebiusFrame frame = closed.frameAt(x);
        target = turned(stripPoint(frame, (u - 0.5) * closed.stripWidth, 0.0));
        eye = target + (1.5 * side) * turned(frame.normal);
        up = turned(frame.across);
        return scene.pick({400, 300});
    }

    StripModel strip;
    testing::TestScene scene{"map"};
    Vec3 eye, target, up;
};

TEST_F(MoebiusMapPicking, RegionsAnswerTheirNamesAndBordersZero) {
    for (const StripMapPatch& patch : StripModel::mapLayout()) {
        const double u = (patch.ua + patch.ub) / 2.0;
        for (const double f : {0.5, 0.2, 0.8}) {
            if (patch.name == 0 && f != 0.5) {
                continue; // along a border, its middle is enough
            }
            const double x = patch.xa + f * (patch.xb - patch.xa);
            for (const double side : {1.0, -1.0}) {
                EXPECT_EQ(pickAt(u, x, side), patch.name)
                    << "u " << u << " x " << x << " side " << side;
            }
        }
    }
    // Regions 1 and 3 each continue across the seam, seen from either side.
    EXPECT_EQ(pickAt(0.1, 0.01, 1.0), 1);
    EXPECT_EQ(pickAt(0.9, 0.99, 1.0), 1);
    EXPECT_EQ(pickAt(0.5, 0.01, -1.0), 3);
    EXPECT_EQ(pickAt(0.5, 0.99, -1.0), 3);
    // The colour of a region does not change its name.
    strip.regionColours = {0, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(pickAt(0.5, 0.4, 1.0), 4);
}

TEST_F(MoebiusMapPicking, EmptySpaceIsNoRegion) {
    EXPECT_EQ(pickAt(0.5, 0.4, 1.0), 4);
    // Looking away from the band.
    eye = {0, 0, 10};
    target = {0, 0, 20};
    up = {0, 1, 0};
    EXPECT_EQ(scene.pick({400, 300}), 0);
    EXPECT_EQ(scene.pick({5, 5}), 0);
}

} // namespace
} // namespace tessivo
