#include "app/gl_errors.h"
#include "tests/support/gl_context.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

TEST(GlErrors, ReportsAndClearsEveryPendingError) {
    testing::ensureGlContext();
    while (glGetError() != GL_NO_ERROR) {
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(reportGlErrors("nothing"), 0);
    glMatrixMode(GL_TEXTURE_2D); // not a matrix stack: invalid enum
    EXPECT_EQ(reportGlErrors("a test"), 1);
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix(); // the modelview stack has one entry: underflow
    EXPECT_EQ(reportGlErrors("another test"), 1);
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("tessivo: GL error 0x0500 (invalid enum) in a test\n"), std::string::npos)
        << report;
    EXPECT_NE(report.find("stack underflow"), std::string::npos) << report;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace tessivo
