#include "scene/clock.h"
#include "tests/ui/controls_fixture.h"
#include "ui/dial.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::ControlsTest;

// A dial centred at (400, 300); its knob starts at (415, 300).
class DialByPointer : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        dial = addControl(std::make_unique<Dial>(), {400, 300});
    }
    Vec2 onCircle(double radius, double angle) {
        return {std::round(400 + radius * std::cos(angle)),
                std::round(300 + radius * std::sin(angle))};
    }
    Dial* dial = nullptr;
};

TEST_F(DialByPointer, SmallStepsAddUpToTheSweptAngle) {
    press({415, 300}); // on the knob, then out to a wide circle
    dragTo(onCircle(100, 0));
    for (int degree = 1; degree <= 90; ++degree) {
        dragTo(onCircle(100, degree * M_PI / 180));
    }
    EXPECT_NEAR(dial->angle, M_PI / 2, 2e-3);
    for (int degree = 89; degree >= -90; --degree) { // clockwise is negative
        dragTo(onCircle(100, degree * M_PI / 180));
    }
    EXPECT_NEAR(dial->angle, -M_PI / 2, 4e-3);
}

TEST_F(DialByPointer, OneJumpAddsTheSineOfTheSweptAngle) {
    press({415, 300});
    EXPECT_TRUE(dial->dragging);
    dragTo({400, 315});
    EXPECT_DOUBLE_EQ(dial->angle, 1.0);
    dragTo({400, 300}); // onto the centre: no direction, nothing added
    dragTo({380, 300});
    EXPECT_DOUBLE_EQ(dial->angle, 1.0);
    dragTo({400, 280}); // a quarter turn counter-clockwise from the left
    EXPECT_DOUBLE_EQ(dial->angle, 2.0);
    release({400, 280});
    EXPECT_FALSE(dial->dragging);
}

// Press at (415, 288), drag to (415, 295) at 150 ms, release at (415, 300) at 200 ms: the fling
// velocity is (0, 100) pixels per second, tangential at 15 pixels from the centre.
TEST_F(DialByPointer, TangentialFlingSpinsAtSpeedOverRadius) {
    press({415, 288});
    dragTo({415, 295}, 150);
    release({415, 300}, 50);
    EXPECT_NEAR(dial->spin, 100.0 / 15.0, 2e-3); // atan(0.1 / 15) per millisecond
    const double angle = dial->angle;
    frame(1000); // the spin step runs in the dial's draw, a second after the fling
    EXPECT_NEAR(dial->angle - angle, dial->spin, 1e-9);
    frame(500);
    EXPECT_NEAR(dial->angle - angle, 1.5 * dial->spin, 1e-9);
    press({405, 300}); // a press stops it
    EXPECT_EQ(dial->spin, 0.0);
    const double stopped = dial->angle;
    frame(1000);
    EXPECT_EQ(dial->angle, stopped);
}

// The scene moves by itself while its object or a dial that is drawn spins.
TEST_F(DialByPointer, ASpinningDialMovesItsSceneWhileItIsDrawn) {
    EXPECT_FALSE(current().animating());
    press({415, 288});
    dragTo({415, 295}, 150);
    release({415, 300}, 50);
    ASSERT_TRUE(dial->animating());
    EXPECT_TRUE(current().animating());
    dial->hidden = true; // a hidden dial is not drawn and does not step
    EXPECT_FALSE(current().animating());
    dial->hidden = false;
    press({405, 300});
    EXPECT_FALSE(current().animating());
    current().rotation()->spin = {0.006, 0.0};
    EXPECT_TRUE(current().animating());
}

// While nothing moves the exhibit draws nothing and holds its animations' clock; a pointer that
// rests before its release still rests in real time, and leaves nothing spinning.
TEST_F(DialByPointer, ARestBeforeTheReleaseCountsWhileTheAnimationClockIsHeld) {
    for (const Vec2 start : {Vec2{415, 288}, Vec2{600, 300}}) { // the knob, then empty space
        press(start);
        dragTo(start + Vec2{0, 7});
        holdAnimationClock();
        clock.advance(300);
        resumeAnimationClock();
        release(start + Vec2{0, 7}, 0);
    }
    EXPECT_EQ(dial->spin, 0.0);
    EXPECT_FALSE(current().rotation()->spinning());
}

TEST_F(DialByPointer, FlingTowardsTheCentreOrAfterARestDoesNotSpin) {
    press({430, 300});
    dragTo({420, 300}, 50);
    release({415, 300}, 50);
    EXPECT_EQ(dial->spin, 0.0);
    press({415, 300}, 10);
    dragTo({405, 310}, 30);
    release({405, 310}, 100); // rested 100 ms
    EXPECT_EQ(dial->spin, 0.0);
}

// The flick that ends exactly on the centre has no direction to turn about. Taken at face value
// it divides by a zero length and leaves spin, and with it angle, NaN for good.
TEST_F(DialByPointer, FlingReleasedOnTheCentreIsNoFling) {
    press({410, 300});
    dragTo({405, 300}, 20);
    release({400, 300}, 20);
    EXPECT_EQ(dial->spin, 0.0);
    frame(100);
    frame(100);
    EXPECT_TRUE(std::isfinite(dial->angle));
    EXPECT_TRUE(std::isfinite(dial->spin));
}

TEST_F(DialByPointer, SpinRunsOnAcrossTheClockWrap) {
    clock.set(INT_MAX - 150);
    press({415, 288});
    dragTo({415, 295}, 50);
    release({415, 300}, 50); // at INT_MAX - 50
    const double spin = dial->spin, angle = dial->angle;
    ASSERT_GT(spin, 6.0);
    frame(30);
    frame(170); // the clock has wrapped to INT_MIN + 149
    ASSERT_LT(clock.now(), 0);
    EXPECT_NEAR(dial->angle - angle, 0.2 * spin, 1e-9);
}

TEST(DialFling, SpinIsTheAngularSpeedAboutTheCentre) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> angle(-M_PI, M_PI), radius(5, 60), speed(1, 300);
    for (int i = 0; i < 300; ++i) {
        Dial dial;
        dial.position = {200, 200};
        const double a = angle(random), r = radius(random), v = speed(random);
        const Vec2 outward{std::cos(a), std::sin(a)}, along{-std::sin(a), std::cos(a)};
        dial.onFling(dial.position + r * outward, v * along);
        EXPECT_NEAR(dial.spin, v / r, 1e-3 * v / r);
        dial.onFling(dial.position + r * outward, -v * along);
        EXPECT_NEAR(dial.spin, -v / r, 1e-3 * v / r);
        dial.spin = 0;
        dial.onFling(dial.position + r * outward, v * outward); // straight out: no turn
        EXPECT_EQ(dial.spin, 0.0);
        dial.onFling(dial.position + r * outward, 0.09 * along); // too slow to count
        EXPECT_EQ(dial.spin, 0.0);
    }
}

TEST_F(DialByPointer, KnobSitsFifteenPixelsOutAtTheAngle) {
    dial->setAngle(M_PI / 2);
    const auto feedback = drawn(*dial);
    // The ring between radii 10 and 20 in blue, then the knob of radius 5 around (400, 315).
    int knobParts = 0, ringParts = 0;
    for (const auto& polygon : feedback.polygons) {
        const bool knob = testing::hasColour(polygon[0], 0.7, 0.4, 0.8);
        ASSERT_TRUE(knob || testing::hasColour(polygon[0], 0.3, 0.4, 0.8));
        (knob ? knobParts : ringParts) += 1;
        for (const auto& v : polygon) {
            if (knob) {
                EXPECT_LE(std::hypot(v.x - 400, v.y - 315), 5.01);
            } else {
                EXPECT_GE(std::hypot(v.x - 400, v.y - 300), 9.99);
                EXPECT_LE(std::hypot(v.x - 400, v.y - 300), 20.01);
            }
        }
    }
    EXPECT_GT(knobParts, 0);
    EXPECT_GT(ringParts, 0);
    hover({400, 300});
    const auto hovered = drawn(*dial);
    EXPECT_TRUE(testing::hasColour(hovered.polygons.back()[0], 0.9, 0.7, 0.85));
}

} // namespace
} // namespace tessivo
