#include "math/draw_helpers.h"
#include "surfaces/crosscap/cross_cap_drawing.h"
#include "surfaces/crosscap/cross_cap_surface.h"
#include "surfaces/crosscap/embedded_band_drawing.h"
#include "surfaces/crosscap/embedded_band_surface.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"

#include <GL/gl.h>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace tessivo {
namespace {

using crosscap::QuadStrip;
using crosscap::StripVertex;
using testing::Feedback;

class CrossCapDrawing : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        // Everything the surfaces draw fits in this box, so nothing is clipped; window x is
        // 80 (x + 5), window y is 60 (y + 5).
        glMatrixMode(GL_PROJECTION);
        glOrtho(-5, 5, -5, 5, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glDisable(GL_COLOR_MATERIAL);
    }

    // What GL rasterises, checked against the strips it was given: two triangles per quad of
    // every strip, all finite, spanning the same x range on the screen.
    static Feedback expectEmitted(const std::function<void()>& draw,
                                  const std::vector<QuadStrip>& strips) {
        const Feedback feedback = testing::captureFeedback(draw);
        EXPECT_FALSE(feedback.overflowed);
        size_t quads = 0;
        double low = 1e9, high = -1e9;
        for (const QuadStrip& strip : strips) {
            quads += strip.size() / 2 - 1;
            for (const StripVertex& v : strip) {
                low = std::min(low, 80 * (v.point.x + 5));
                high = std::max(high, 80 * (v.point.x + 5));
            }
        }
        EXPECT_EQ(feedback.polygons.size(), 2 * quads);
        double seenLow = 1e9, seenHigh = -1e9;
        for (const auto& polygon : feedback.polygons) {
            for (const auto& v : polygon) {
                EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z));
                seenLow = std::min<double>(seenLow, v.x);
                seenHigh = std::max<double>(seenHigh, v.x);
            }
        }
        EXPECT_NEAR(seenLow, low, 0.01);
        EXPECT_NEAR(seenHigh, high, 0.01);
        return feedback;
    }

    static std::array<float, 4> material(GLenum face, GLenum pname) {
        std::array<float, 4> values{};
        glGetMaterialfv(face, pname, values.data());
        return values;
    }

    static void expectMaterial(GLenum pname, const std::array<float, 4>& expected) {
        for (const GLenum face : {GL_FRONT, GL_BACK}) {
            const auto actual = material(face, pname);
            for (int i = 0; i < 4; ++i) {
                EXPECT_FLOAT_EQ(actual[i], expected[i]) << "component " << i;
            }
        }
    }

    static void expectShinyWhiteSpecular() {
        expectMaterial(GL_SPECULAR, {1, 1, 1, 1});
        for (const GLenum face : {GL_FRONT, GL_BACK}) {
            float shininess = 0;
            glGetMaterialfv(face, GL_SHININESS, &shininess);
            EXPECT_EQ(shininess, 50.0f);
        }
    }
};

TEST_F(CrossCapDrawing, SurfaceIsGreenAndDrawsItsRows) {
    expectEmitted([] { playDrawing(crossCapDrawing(0.4, true)); }, crossCapSurface(0.4, true));
    expectEmitted([] { playDrawing(crossCapDrawing(1.0, false)); }, crossCapSurface(1.0, false));
    expectShinyWhiteSpecular();
    expectMaterial(GL_AMBIENT, {0.1f, 0.7f, 0.3f, 0.8f});
    expectMaterial(GL_DIFFUSE, {0.1f, 0.7f, 0.3f, 0.8f});
}

TEST_F(CrossCapDrawing, PlainBoundaryIsOlive) {
    expectEmitted([] { playDrawing(crossCapBoundaryDrawing(0.0, false)); },
                  crossCapBoundaryTube(0.0));
    expectShinyWhiteSpecular();
    expectMaterial(GL_DIFFUSE, {0.5f, 0.5f, 0.2f, 1.0f});
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
}

TEST_F(CrossCapDrawing, ColouredBoundaryTakesItsColoursFromTheHueRamp) {
    glDisable(GL_LIGHTING); // so that the vertex colours reach the feedback as they are
    const Feedback feedback = expectEmitted([] { playDrawing(crossCapBoundaryDrawing(0.7, true)); },
                                            crossCapBoundaryTube(0.7));
    std::set<std::array<int, 3>> colours;
    for (const auto& polygon : feedback.polygons) {
        for (const auto& v : polygon) {
            // Every colour is a blend of two neighbouring primaries.
            EXPECT_NEAR(v.r + v.g + v.b, 1.0, 1e-5);
            colours.insert({static_cast<int>(v.r * 1000), static_cast<int>(v.g * 1000),
                            static_cast<int>(v.b * 1000)});
        }
    }
    EXPECT_GE(colours.size(), 99u); // one per ring
    // Colour material was on for the routine only, tracking ambient and diffuse of both sides.
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    GLint face = 0, parameter = 0;
    glGetIntegerv(GL_COLOR_MATERIAL_FACE, &face);
    glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &parameter);
    EXPECT_EQ(face, GL_FRONT_AND_BACK);
    EXPECT_EQ(parameter, GL_AMBIENT_AND_DIFFUSE);
    expectShinyWhiteSpecular();
}

TEST_F(CrossCapDrawing, SectionHasTheBoundaryColourWhereItIs) {
    const double angle = -7.5;
    glDisable(GL_LIGHTING);
    const Feedback feedback =
        expectEmitted([angle] { playDrawing(crossCapSectionDrawing(0.9, angle)); },
                      crossCapSectionTube(0.9, angle));
    const Vec3 expected = hueRamp(0.5 * crossCapSectionPosition(angle), 1.0);
    for (const auto& polygon : feedback.polygons) {
        for (const auto& v : polygon) {
            EXPECT_NEAR(v.r, expected.x, 1e-6);
            EXPECT_NEAR(v.g, expected.y, 1e-6);
            EXPECT_NEAR(v.b, expected.z, 1e-6);
        }
    }
    // The colour is the ambient and diffuse material of both sides, for the routine only.
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    GLint parameter = 0;
    glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &parameter);
    EXPECT_EQ(parameter, GL_AMBIENT_AND_DIFFUSE);
    expectShinyWhiteSpecular();
}

TEST_F(CrossCapDrawing, BandAndEdgeKeepTheCallersMaterial) {
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.25, 0.5, 0.75, 1);
    expectEmitted([] { playDrawing(bandDrawing(0, 0.1, false)); }, bandSurface(0, 0.1, false));
    expectEmitted([] { playDrawing(bandDrawing(0, 1, true)); }, bandSurface(0, 1, true));
    expectEmitted([] { playDrawing(bandEdgeDrawing(0.1)); }, bandEdgeTube(0.1));
    expectMaterial(GL_DIFFUSE, {0.25f, 0.5f, 0.75f, 1.0f});
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
}

} // namespace
} // namespace tessivo
