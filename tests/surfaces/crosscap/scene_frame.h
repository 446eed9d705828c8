#pragma once

#include "math/draw_helpers.h"
#include "scene/scene.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"

#include <GL/gl.h>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace tessivo::testing {

// A scene's 3D content captured in feedback mode, in the scene's own 800 x 600 perspective
// view and light, with the clock fixed (so a rotation controller takes no spin step).
class SceneFrameTest : public GlTest {
protected:
    void prepare(Scene& scene) {
        scene.reshape(800, 600);
        scene.initGL();
    }

    // Runs draw from a known drawing state: white current colour, no colour material and
    // the material that GL starts with, so that what one capture leaves behind cannot colour
    // the next.
    static Feedback capture(const std::function<void()>& draw) {
        glDisable(GL_COLOR_MATERIAL);
        glColor4d(1, 1, 1, 1);
        setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT, 0.2, 0.2, 0.2, 1);
        setMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE, 0.8, 0.8, 0.8, 1);
        setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0, 0, 0, 1);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0.0f);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        Feedback feedback = captureFeedback(draw);
        EXPECT_FALSE(feedback.overflowed);
        return feedback;
    }

    FixedClock clock{5000};
};

inline std::string describe(const Feedback& f) {
    return std::to_string(f.polygons.size()) + " polygons, " + std::to_string(f.lines.size()) +
           " lines";
}

// Whether two captures hold the same primitives in the same order, with every vertex in the
// same window position (to a thousandth of a pixel) and of the same lit colour.
inline bool sameFeedback(const Feedback& a, const Feedback& b) {
    if (a.polygons.size() != b.polygons.size() || a.lines.size() != b.lines.size()) {
        return false;
    }
    auto same = [](const Feedback::Vertex& u, const Feedback::Vertex& v) {
        return std::abs(u.x - v.x) < 1e-3 && std::abs(u.y - v.y) < 1e-3 &&
               std::abs(u.z - v.z) < 1e-5 && std::abs(u.r - v.r) < 1e-4 &&
               std::abs(u.g - v.g) < 1e-4 && std::abs(u.b - v.b) < 1e-4;
    };
    auto samePrimitives = [&](const auto& p, const auto& q) {
        for (size_t i = 0; i < p.size(); ++i) {
            if (p[i].size() != q[i].size()) {
                return false;
            }
            for (size_t k = 0; k < p[i].size(); ++k) {
                if (!same(p[i][k], q[i][k])) {
                    return false;
                }
            }
        }
        return true;
    };
    return samePrimitives(a.polygons, b.polygons) && samePrimitives(a.lines, b.lines);
}

// The object's frame of every cross-cap scene: 8 units in front of the eye, turned by the
// scene's orientation.
inline void placeObject(const std::array<float, 16>& orientation) {
    glTranslated(0, 0, -8);
    glMultMatrixf(orientation.data());
}

} // namespace tessivo::testing
