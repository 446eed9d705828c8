#include "math/draw_helpers.h"
#include "math/stroke_text.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/support/vec3_checks.h"

#include <GL/glut.h>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace tessivo {
namespace {

using testing::expectNear;

TEST(HueRamp, RunsTwiceThroughThePrimariesPerUnit) {
    expectNear(hueRamp(0.0, 1.0), {1, 0, 0});
    expectNear(hueRamp(0.125, 1.0), {0.25, 0.75, 0});
    expectNear(hueRamp(0.25, 1.0), {0, 0.5, 0.5});
    expectNear(hueRamp(0.5, 1.0), {1, 0, 0});
    expectNear(hueRamp(0.75, 1.0), {0, 0.5, 0.5});
    expectNear(hueRamp(0.125, 0.5), {0.125, 0.375, 0});
}

TEST(HueRamp, DependsOnlyOnTheFractionalPart) {
    expectNear(hueRamp(-0.25, 1.0), hueRamp(0.75, 1.0));
    std::mt19937 random(7);
    std::uniform_real_distribution<double> any(-50.0, 50.0);
    for (int i = 0; i < 1000; ++i) {
        const double t = any(random);
        const Vec3 c = hueRamp(t, 1.0);
        expectNear(c, hueRamp(t + 3.0, 1.0), 1e-9);
        // Two neighbouring primaries blend to a total of 1.
        EXPECT_NEAR(c.x + c.y + c.z, 1.0, 1e-9);
        EXPECT_GE(std::min({c.x, c.y, c.z}), 0.0);
    }
}

// Local point p in the frame of the matrix m (column-major, w = 1).
Vec3 transformed(const std::array<double, 16>& m, const Vec3& p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

// For an orthonormal pair of axes the frame is a rigid, right-handed motion: it keeps
// distances, takes the local origin and axes to the given ones, and local z to the third
// direction of a right-handed triple.
TEST(FrameMatrix, PlacesLocalPointsRigidlyInARightHandedFrame) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> any(-2.0, 2.0);
    auto randomPoint = [&] { return Vec3{any(random), any(random), any(random)}; };
    for (int i = 0; i < 200; ++i) {
        const Vec3 origin = randomPoint();
        const Vec3 x = normalised(randomPoint());
        const Vec3 y = normalised(cross(randomPoint(), x));
        const auto m = frameMatrix(origin, x, y);
        expectNear(transformed(m, {0, 0, 0}), origin, 1e-12);
        expectNear(transformed(m, {1, 0, 0}) - origin, x, 1e-12);
        expectNear(transformed(m, {0, 1, 0}) - origin, y, 1e-12);
        const Vec3 z = transformed(m, {0, 0, 1}) - origin;
        EXPECT_NEAR(dot(z, x), 0.0, 1e-12);
        EXPECT_NEAR(dot(z, y), 0.0, 1e-12);
        EXPECT_NEAR(dot(cross(x, y), z), 1.0, 1e-12); // right-handed, unit length
        const Vec3 p = randomPoint(), q = randomPoint();
        EXPECT_NEAR(length(transformed(m, p) - transformed(m, q)), length(p - q), 1e-12);
    }
}

TEST(TubePlacement, TurnsTheCylinderAxisOntoTheSegment) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> any(-3.0, 3.0);
    for (int i = 0; i < 500; ++i) {
        const Vec3 p0{any(random), any(random), any(random)};
        const Vec3 p1{any(random), any(random), any(random)};
        const TubePlacement placement = tubePlacement(p0, p1);
        ASSERT_FALSE(placement.degenerate);
        // Rz(azimuth) * Ry(polar) applied to +z.
        const double a = placement.azimuthDegrees / 57.29577951308232;
        const double t = placement.polarDegrees / 57.29577951308232;
        const Vec3 axis{std::cos(a) * std::sin(t), std::sin(a) * std::sin(t), std::cos(t)};
        expectNear(placement.length * axis, p1 - p0, 1e-9);
    }
}

TEST(TubePlacement, DegenerateAndVerticalSegments) {
    EXPECT_TRUE(tubePlacement({1, 1, 1}, {1, 1, 1 + 5e-6}).degenerate);
    const TubePlacement down = tubePlacement({0, 0, 0}, {0, 0, -2});
    EXPECT_FALSE(down.degenerate);
    EXPECT_EQ(down.azimuthDegrees, 0.0);
    EXPECT_NEAR(down.polarDegrees, 180.0, 1e-12);
    EXPECT_NEAR(down.length, 2.0, 1e-15);
}

TEST(DecimalText, WritesDigitsWithoutSignOrLeadingZeros) {
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(7), "7");
    EXPECT_EQ(decimalText(255), "255");
    EXPECT_EQ(decimalText(1000), "1000");
    EXPECT_EQ(decimalText(2147483647), "2147483647");
    EXPECT_EQ(decimalText(-5), "");
}

using StrokeText = testing::GlTest;

// The width is how far drawing the text moves the pen: where the next character would start.
// The toolkit gives each glyph's advance rounded to whole font units, so the two may differ by
// half a unit per glyph (a tenth of a pixel per glyph at the captions' size).
TEST_F(StrokeText, WidthIsHowFarTheTextMovesThePen) {
    EXPECT_EQ(strokeTextWidth(GLUT_STROKE_ROMAN, ""), 0.0);
    for (const std::string text : {"K", "Klein", "Dal rettangolo alla bottiglia di Klein"}) {
        glLoadIdentity();
        strokeText(GLUT_STROKE_ROMAN, text);
        std::array<double, 16> pen{};
        glGetDoublev(GL_MODELVIEW_MATRIX, pen.data());
        EXPECT_NEAR(strokeTextWidth(GLUT_STROKE_ROMAN, text), pen[12], 0.5 * text.size()) << text;
        EXPECT_EQ(pen[13], 0.0) << text;
    }
}

// A label stands on its baseline at (x, y) and grows from there with its size: "Klein" has
// no descender, so its lowest stroke is on the baseline, and at size 1 it is about 20 pixels
// tall (the roman font's capitals and ascenders, about 100 units, scaled by a fifth).
TEST_F(StrokeText, LabelStandsOnItsBaselineAndScalesFromItsStart) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, 800, 0, 600, -200, 200);
    glMatrixMode(GL_MODELVIEW);
    const auto size1 = testing::captureFeedback([] { drawLabel(100, 50, 1.0, "Klein"); });
    const auto size2 = testing::captureFeedback([] { drawLabel(100, 50, 2.0, "Klein"); });
    ASSERT_FALSE(size1.lines.empty());
    ASSERT_EQ(size1.lines.size(), size2.lines.size());
    double low = 1e9, high = -1e9, left = 1e9, right = -1e9;
    for (size_t i = 0; i < size1.lines.size(); ++i) {
        for (size_t k = 0; k < 2; ++k) {
            const auto& a = size1.lines[i][k];
            const auto& b = size2.lines[i][k];
            low = std::min<double>(low, a.y), high = std::max<double>(high, a.y);
            left = std::min<double>(left, a.x), right = std::max<double>(right, a.x);
            EXPECT_NEAR(b.x - 100, 2 * (a.x - 100), 1e-2);
            EXPECT_NEAR(b.y - 50, 2 * (a.y - 50), 1e-2);
        }
    }
    EXPECT_NEAR(low, 50, 0.01);
    EXPECT_NEAR(high - 50, 20, 2);
    EXPECT_GE(left, 100);
    EXPECT_LE(right, 100 + 0.2 * strokeTextWidth(GLUT_STROKE_ROMAN, "Klein"));
    // Drawing leaves the matrix as it was.
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

} // namespace
} // namespace tessivo
