#include "scene/rotation_controller.h"
#include "tests/support/gl_context.h"

#include <GL/gl.h>

#include <climits>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::FixedClock;

// A 3x3 rotation, rows first, built independently of the controller: Rodrigues' formula.
struct Matrix3 {
    double m[3][3];
};

Matrix3 rotationMatrix(Vec3 axis, double degrees) {
    const Vec3 a = normalised(axis);
    const double t = degrees * M_PI / 180.0;
    const double c = std::cos(t), s = std::sin(t), k = 1.0 - c;
    return {{{c + a.x * a.x * k, a.x * a.y * k - a.z * s, a.x * a.z * k + a.y * s},
             {a.y * a.x * k + a.z * s, c + a.y * a.y * k, a.y * a.z * k - a.x * s},
             {a.z * a.x * k - a.y * s, a.z * a.y * k + a.x * s, c + a.z * a.z * k}}};
}

Matrix3 product(const Matrix3& a, const Matrix3& b) {
    Matrix3 r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                r.m[i][j] += a.m[i][k] * b.m[k][j];
    return r;
}

Matrix3 identity() {
    return rotationMatrix({0, 0, 1}, 0.0);
}

// The orientation is column-major: entry (row i, column j) is orientation[4j + i].
void expectOrientation(const RotationController& controller, const Matrix3& expected,
                       double tolerance = 2e-6) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(controller.orientation[4 * j + i], expected.m[i][j], tolerance)
                << "row " << i << " column " << j;
        }
    }
    // The fourth row and column are never touched.
    EXPECT_EQ(controller.orientation[3], 0.0f);
    EXPECT_EQ(controller.orientation[12], 0.0f);
    EXPECT_EQ(controller.orientation[15], 1.0f);
}

TEST(RotationController, StartsAtTheIdentityAtRest) {
    RotationController controller;
    expectOrientation(controller, identity(), 0.0);
    EXPECT_EQ(controller.spin.x, 0.0);
    EXPECT_EQ(controller.spin.y, 0.0);
}

TEST(RotationController, YawPitchConstructorTurnsAboutYThenAboutX) {
    // Both turns premultiply, about the screen axes: Rx(20) * Ry(10).
    RotationController controller(10, 20);
    expectOrientation(controller,
                      product(rotationMatrix({1, 0, 0}, 20), rotationMatrix({0, 1, 0}, 10)));
    RotationController pitchOnly(0, 20);
    expectOrientation(pitchOnly, rotationMatrix({1, 0, 0}, 20));
}

TEST(RotationController, RotateAboutMatchesAnIndependentRotationForRandomAxes) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> component(-1.0, 1.0);
    std::uniform_real_distribution<double> angle(-720.0, 720.0);
    for (int trial = 0; trial < 200; ++trial) {
        RotationController controller;
        Matrix3 expected = identity();
        for (int turn = 0; turn < 3; ++turn) {
            Vec3 axis{component(random), component(random), component(random)};
            if (length(axis) < 1e-3) {
                axis = {0, 0, 1};
            }
            const double degrees = angle(random);
            controller.rotateAbout(axis, degrees);
            expected = product(rotationMatrix(axis, degrees), expected);
        }
        expectOrientation(controller, expected, 1e-5);
    }
}

TEST(RotationController, RotateAboutCoordinateAxesIsRightHanded) {
    RotationController controller;
    controller.rotateAbout({0, 0, 1}, 90);
    // x goes to y.
    EXPECT_NEAR(controller.orientation[0], 0.0f, 1e-7);
    EXPECT_NEAR(controller.orientation[1], 1.0f, 1e-7);
}

TEST(RotationController, NinetyPixelDragToTheRightTurnsNinetyDegreesAboutY) {
    FixedClock clock(5000);
    RotationController controller;
    controller.onPress({100, 300});
    for (int x = 110; x <= 190; x += 10) {
        clock.advance(10);
        controller.onDrag({static_cast<double>(x), 300});
    }
    expectOrientation(controller, rotationMatrix({0, 1, 0}, 90), 1e-5);
    // The front of the object (+z, towards the viewer) now faces right.
    EXPECT_NEAR(controller.orientation[8], 1.0f, 1e-5);
}

TEST(RotationController, DragUpwardsTurnsTheFrontUpwards) {
    FixedClock clock(0);
    RotationController controller;
    controller.onPress({100, 100});
    controller.onDrag({100, 130});
    // The image of +z gains a positive y component.
    EXPECT_GT(controller.orientation[9], 0.4f);
}

TEST(RotationController, QuickFlickSpinsAtTheSpeedOfTheLastDrag) {
    FixedClock clock(1000);
    RotationController controller;
    controller.onPress({100, 100});
    for (int i = 1; i <= 5; ++i) {
        clock.advance(20);
        controller.onDrag({100.0 + 10 * i, 100});
    }
    controller.onRelease({150, 100});
    EXPECT_DOUBLE_EQ(controller.spin.x, 0.5);
    EXPECT_DOUBLE_EQ(controller.spin.y, 0.0);

    // 500 degrees per second about the screen's y axis: after 1 s the drag's 50 degrees and the
    // spin's 500 add to 550, that is 190.
    controller.advanceSpin(clock.now()); // the first apply only records the time
    expectOrientation(controller, rotationMatrix({0, 1, 0}, 50), 1e-5);
    clock.advance(1000);
    controller.advanceSpin(clock.now());
    expectOrientation(controller, rotationMatrix({0, 1, 0}, 190), 1e-4);

    controller.onPress({10, 10});
    EXPECT_EQ(controller.spin.x, 0.0);
}

TEST(RotationController, ReleaseAfterRestingLeavesTheObjectAtRest) {
    FixedClock clock(0);
    RotationController controller;
    controller.onPress({100, 100});
    clock.advance(30);
    controller.onDrag({160, 100});
    clock.advance(200);
    controller.onRelease({160, 100});
    EXPECT_EQ(controller.spin.x, 0.0);
    EXPECT_EQ(controller.spin.y, 0.0);
}

TEST(RotationController, FirstApplyOnlyRecordsTheTime) {
    RotationController controller;
    controller.spin = {1.0, 0.0};
    controller.advanceSpin(12345);
    expectOrientation(controller, identity(), 0.0);
    controller.advanceSpin(12345 + 90);
    expectOrientation(controller, rotationMatrix({0, 1, 0}, 90), 1e-5);
}

TEST(RotationController, ApplyMultipliesTheGlMatrixByTheOrientation) {
    testing::ensureGlContext();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(0, 0, -10);
    RotationController controller(30, 40);
    controller.apply();
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    for (int i = 0; i < 12; ++i) {
        EXPECT_NEAR(m[i], controller.orientation[i], 1e-6);
    }
    EXPECT_NEAR(m[14], -10.0f, 1e-6);
}

// The toolkit's clock is an int of milliseconds that wraps to negative values after about
// 24.8 days of running; a flick and its spin must carry on across that moment.
TEST(RotationControllerAcrossTheClockWrap, FlickAndSpinCarryOn) {
    testing::FixedClock clock(INT_MAX - 60);
    RotationController controller;
    controller.onPress({100, 100});
    for (int i = 1; i <= 5; ++i) {
        clock.advance(20); // the last two samples lie beyond the wrap
        controller.onDrag({100.0 + 10 * i, 100});
    }
    ASSERT_LT(clock.now(), 0);
    controller.onRelease({150, 100});
    EXPECT_DOUBLE_EQ(controller.spin.x, 0.5);
    controller.advanceSpin(clock.now());
    clock.advance(1000);
    controller.advanceSpin(clock.now());
    expectOrientation(controller, rotationMatrix({0, 1, 0}, 190), 1e-4);
}

TEST(RotationControllerAcrossTheClockWrap, SpinStepsAcrossTheWrap) {
    RotationController controller;
    controller.spin = {0.1, 0.0};
    controller.advanceSpin(INT_MAX - 100);
    controller.advanceSpin(INT_MIN + 99); // 200 ms later
    expectOrientation(controller, rotationMatrix({0, 1, 0}, 20), 1e-5);
}

TEST(RotationControllerLongDrag, KeepsFewSamplesAndTheSameSpin) {
    testing::FixedClock clock(1000);
    RotationController pruned;
    std::vector<TrailSample> whole;
    pruned.onPress({0, 0});
    whole.push_back({0, 0, clock.now()});
    std::mt19937 random(9);
    for (int i = 0; i < 100000; ++i) {
        clock.advance(static_cast<int>(random() % 10));
        const Vec2 p{static_cast<double>(random() % 800), static_cast<double>(random() % 600)};
        pruned.onDrag(p);
        whole.push_back({static_cast<int>(p.x), static_cast<int>(p.y), clock.now()});
        ASSERT_LE(pruned.trail.size(), 201u);
    }
    clock.advance(3);
    const auto expected =
        trailVelocity(whole, {400, 300}, clock.now(), RotationController::spinWindowMs);
    pruned.onRelease({400, 300});
    ASSERT_TRUE(expected);
    EXPECT_EQ(pruned.spin.x, expected->x);
    EXPECT_EQ(pruned.spin.y, expected->y);
}

// A whole day of spinning at 60 frames per second: the orientation, which is never
// re-orthonormalised, stays a rotation to within 1e-3.
TEST(RotationControllerLongSpin, StaysARotationForADay) {
    RotationController controller(10, 20);
    controller.spin = {0.5, 0.13};
    int now = 0;
    controller.advanceSpin(now);
    for (long frame = 0; frame < 24L * 3600 * 60; ++frame) {
        now = static_cast<int>(static_cast<unsigned>(now) + 16u);
        controller.advanceSpin(now);
    }
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double d = 0;
            for (int k = 0; k < 3; ++k) {
                d += controller.orientation[4 * i + k] * controller.orientation[4 * j + k];
            }
            EXPECT_NEAR(d, i == j ? 1.0 : 0.0, 1e-3) << i << j;
        }
    }
}

} // namespace
} // namespace tessivo
