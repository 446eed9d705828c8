#include "scene/view_projection.h"
#include "tests/support/gl_context.h"
#include "tests/support/test_scene.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

const double upright = std::tan(22.5 * M_PI / 180.0);

class ViewProjection : public testing::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        viewSettings().keepsObjectWhole = true;
    }
};

TEST_F(ViewProjection, NarrowerThanFourToThreeTheObjectKeepsItsWidth) {
    const ViewFrustum design = viewFrustum(800, 600, 0);
    EXPECT_NEAR(design.top, upright, 1e-12);
    EXPECT_NEAR(design.right, upright * 4 / 3, 1e-12);
    const ViewFrustum wide = viewFrustum(1920, 1080, 0);
    EXPECT_NEAR(wide.top, upright, 1e-12);
    // A phone upright: the same width as at 800 x 600, the height follows the window.
    const ViewFrustum phone = viewFrustum(390, 844, 0);
    EXPECT_NEAR(phone.right, design.right, 1e-12);
    EXPECT_NEAR(phone.top, design.right * 844 / 390, 1e-12);
    viewSettings().keepsObjectWhole = false;
    EXPECT_NEAR(viewFrustum(390, 844, 0).top, upright, 1e-12);
}

TEST_F(ViewProjection, AboveTheControlsTheViewIsCentredAndZoomNarrowsIt) {
    // 100 pixels of controls below an 800 x 700 window: the view above them is 800 x 600.
    const ViewFrustum f = viewFrustum(800, 700, 100);
    EXPECT_NEAR(f.top, upright, 1e-12);
    EXPECT_NEAR(f.bottom, -upright * (1 + 2 * 100.0 / 600), 1e-12);
    EXPECT_NEAR(f.right, upright * 4 / 3, 1e-12);
    viewSettings().zoom = 2.0;
    EXPECT_NEAR(viewFrustum(800, 700, 100).top, upright / 2, 1e-12);
}

// The pick sees what the view draws, at the zoom and above the controls: a small named square
// off the axis is hit where it is drawn, and not where a plain perspective would draw it.
TEST_F(ViewProjection, ThePickUsesTheViewsProjection) {
    testing::TestScene scene("view");
    scene.content = [] {
        glLoadName(5);
        glBegin(GL_QUADS);
        glVertex3d(1.9, 0.9, -10);
        glVertex3d(2.1, 0.9, -10);
        glVertex3d(2.1, 1.1, -10);
        glVertex3d(1.9, 1.1, -10);
        glEnd();
    };
    viewSettings().zoom = 1.5;
    scene.panel->viewFloor = 90;
    scene.reshape(800, 600);
    // Where the square's centre (2, 1, -10) lands in the window.
    const ViewFrustum f = viewFrustum(800, 600, 90);
    const double x = (2.0 / 10 - f.left) / (f.right - f.left) * 800;
    const double y = (1.0 / 10 - f.bottom) / (f.top - f.bottom) * 600;
    EXPECT_EQ(scene.pick({std::floor(x), std::floor(y)}), 5);
    const double plainX = 400 + 2.0 / 10 / (upright * 4 / 3) * 400;
    const double plainY = 300 + 1.0 / 10 / upright * 300;
    EXPECT_EQ(scene.pick({std::floor(plainX), std::floor(plainY)}), 0);
}

} // namespace
} // namespace tessivo
