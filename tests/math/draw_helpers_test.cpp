#include "math/draw_helpers.h"
#include "math/stroke_text.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"

#include <GL/glut.h>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

void expectNear(const Vec3& actual, const Vec3& expected, double tolerance = 1e-12) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

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

TEST(FrameMatrix, HoldsTheAxesAndTheirCrossProductAsColumns) {
    const auto m = frameMatrix({1, 2, 3}, {0, 1, 0}, {0, 0, 1});
    const double expected[16] = {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 2, 3, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(m[i], expected[i]) << "entry " << i;
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

TEST_F(StrokeText, WidthIsTheSumOfTheGlyphAdvances) {
    EXPECT_EQ(strokeTextWidth(GLUT_STROKE_ROMAN, ""), 0.0);
    const double k = glutStrokeWidth(GLUT_STROKE_ROMAN, 'K');
    const double l = glutStrokeWidth(GLUT_STROKE_ROMAN, 'l');
    EXPECT_GT(k, 0.0);
    EXPECT_DOUBLE_EQ(strokeTextWidth(GLUT_STROKE_ROMAN, "Kl"), k + l);
}

TEST_F(StrokeText, LabelOfSizeOneIsTheFontScaledByOneFifth) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, 800, 0, 600, -200, 200);
    glMatrixMode(GL_MODELVIEW);
    const auto label = testing::captureFeedback([] { drawLabel(100, 50, 1.0, "Klein"); });
    const auto reference = testing::captureFeedback([] {
        glPushMatrix();
        glTranslated(100, 50, 0);
        glScaled(0.2, 0.2, 0.2);
        strokeText(GLUT_STROKE_ROMAN, "Klein");
        glPopMatrix();
    });
    ASSERT_FALSE(label.lines.empty());
    ASSERT_EQ(label.lines.size(), reference.lines.size());
    for (size_t i = 0; i < label.lines.size(); ++i) {
        EXPECT_NEAR(label.lines[i][0].x, reference.lines[i][0].x, 1e-3);
        EXPECT_NEAR(label.lines[i][0].y, reference.lines[i][0].y, 1e-3);
    }
    // Drawing leaves the matrix as it was.
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

} // namespace
} // namespace tessivo
