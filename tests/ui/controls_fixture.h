#pragma once

#include "app/shell.h"
#include "scene/scene_registry.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_scene.h"

#include <GL/glut.h>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace tessivo::testing {

// Controls driven the way the user drives them: through the shell's pointer callbacks, in an
// 800 x 600 window, with the program's clock fixed so that every fling and animation step is
// exact. Points are given in overlay coordinates (y up) and whole pixels, as the toolkit
// reports them; each step may first advance the clock.
class ControlsTest : public GlTest {
protected:
    // sceneCount test scenes titled by their identifiers ("A", "B", ...) in the show list, the
    // first current, the window reshaped to 800 x 600.
    void SetUp() override { SetUpScenes(3); }

    void SetUpScenes(int sceneCount) {
        GlTest::SetUp();
        for (int i = 0; i < sceneCount; ++i) {
            scenes.push_back(std::make_unique<TestScene>(std::string(1, char('A' + i))));
            SceneRegistry::instance().appendToShowList(scenes.back()->identifier);
        }
        reshapeCallback(800, 600);
    }

    Scene& current() { return *SceneRegistry::instance().current(); }

    // Adds a control to the first scene's panel at an absolute bottom-left position.
    template <class Control> Control* addControl(std::unique_ptr<Control> control, Vec2 at) {
        control->offset = at;
        control->anchor = BottomLeft;
        Control* raw = scenes.front()->panel->add(std::move(control));
        raw->layout(800, 600);
        return raw;
    }

    // The standard control at index i of the current scene's panel.
    template <class Control> Control* standard(int i) {
        return dynamic_cast<Control*>(current().panel->widgets.at(static_cast<size_t>(i)).get());
    }

    static int windowY(double overlayY) { return 600 - static_cast<int>(overlayY); }

    void hover(Vec2 p, int afterMs = 0) {
        clock.advance(afterMs);
        passiveMotionCallback(static_cast<int>(p.x), windowY(p.y));
    }
    void press(Vec2 p, int afterMs = 0) {
        clock.advance(afterMs);
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, static_cast<int>(p.x), windowY(p.y));
    }
    void dragTo(Vec2 p, int afterMs = 10) {
        clock.advance(afterMs);
        motionCallback(static_cast<int>(p.x), windowY(p.y));
    }
    void release(Vec2 p, int afterMs = 10) {
        clock.advance(afterMs);
        mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, static_cast<int>(p.x), windowY(p.y));
    }
    void clickAt(Vec2 p) {
        press(p, 10);
        release(p, 10);
    }

    // One frame of the current scene, after the clock has moved on by afterMs.
    void frame(int afterMs = 0) {
        clock.advance(afterMs);
        displayCallback();
    }

    // Frames afterMs apart while the control says it animates (at most limit): each must change
    // state(), and the frame after them must not. Returns how many there were.
    template <class State> int animatedFrames(const Widget& control, State state, int afterMs) {
        constexpr int limit = 1000;
        int frames = 0;
        while (control.animating() && frames < limit) {
            const auto before = state();
            frame(afterMs);
            EXPECT_NE(state(), before) << "frame " << frames;
            ++frames;
        }
        const auto still = state();
        frame(afterMs);
        EXPECT_EQ(state(), still) << "after " << frames << " frames";
        return frames;
    }

    static Feedback drawn(Widget& control);

    FixedClock clock{1000};
    std::vector<std::unique_ptr<TestScene>> scenes;
};

// What a control's draw() emits, in overlay pixels of an 800 x 600 window, drawn flat as the
// panel draws it. The viewport is set here: feedback gives window coordinates, and a test run
// before may have left another.
inline Feedback drawnInOverlay(Widget& control) {
    glPushAttrib(GL_ENABLE_BIT | GL_VIEWPORT_BIT);
    glViewport(0, 0, 800, 600);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -200, 200);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Feedback feedback = captureFeedback([&] { control.draw(); });
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    return feedback;
}

inline Feedback ControlsTest::drawn(Widget& control) {
    return drawnInOverlay(control);
}

// Whether a captured coordinate is the whole pixel (or value) expected, to float precision.
inline bool at(float coordinate, double expected) {
    return std::abs(coordinate - expected) < 1e-3;
}

// The bounding box of captured polygons (GL may hand a rectangle back as two triangles).
struct Bounds {
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
};
inline Bounds boundsOf(const std::vector<std::vector<Feedback::Vertex>>& polygons) {
    Bounds b;
    for (const auto& polygon : polygons) {
        for (const auto& v : polygon) {
            b.minX = std::min(b.minX, double(v.x));
            b.maxX = std::max(b.maxX, double(v.x));
            b.minY = std::min(b.minY, double(v.y));
            b.maxY = std::max(b.maxY, double(v.y));
        }
    }
    return b;
}

// Whether a captured vertex has the colour (r, g, b), to the precision of GL's colour
// arithmetic.
inline bool hasColour(const Feedback::Vertex& v, double r, double g, double b) {
    return std::abs(v.r - r) < 2e-3 && std::abs(v.g - g) < 2e-3 && std::abs(v.b - b) < 2e-3;
}

} // namespace tessivo::testing
