#include "scene/overlay_settings.h"
#include "tests/ui/controls_fixture.h"
#include "ui/credits_emblem.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::ControlsTest;
using testing::Feedback;
using testing::hasColour;

// The emblem of the standard panel, centred at (740, 30) in an 800 x 600 window.
class EmblemByPointer : public ControlsTest {
protected:
    CreditsEmblem* emblem() { return standard<CreditsEmblem>(3); }
    // Black strokes in what the emblem draws: the credit lines.
    int creditStrokes() {
        int strokes = 0;
        for (const auto& line : drawn(*emblem()).lines) {
            EXPECT_TRUE(hasColour(line[0], 0, 0, 0));
            EXPECT_GE(line[0].x, 730 - 1e-3);
            EXPECT_GE(line[0].y, 70 - 6); // the baselines are 40 and 50 above the centre
            EXPECT_LE(line[0].y, 80 + 16);
            ++strokes;
        }
        return strokes;
    }
};

TEST_F(EmblemByPointer, FreshEmblemIsDrawnClosedAtOnce) {
    frame(); // the first frame's step is as long as the whole run so far
    EXPECT_EQ(emblem()->progress, 0.0);
    EXPECT_EQ(creditStrokes(), 0);
}

TEST_F(EmblemByPointer, CreditLinesOnlyAfterHalfASecondOfHoverAndGoAtOnce) {
    for (int interval : {16, 20, 33, 7}) {
        frame(interval);
        hover({745, 36});
        ASSERT_TRUE(emblem()->hover);
        int elapsed = 0;
        while (elapsed < 500 + interval) {
            frame(interval);
            elapsed += interval;
            const int strokes = creditStrokes();
            if (elapsed < 500) {
                ASSERT_EQ(strokes, 0) << interval << " ms frames, " << elapsed << " ms";
            } else if (strokes > 0) {
                break;
            }
        }
        EXPECT_TRUE(emblem()->showsCredits()) << interval << " ms frames, " << elapsed << " ms";
        EXPECT_GT(creditStrokes(), 20);
        hover({600, 300});
        frame(interval); // the first frame after the pointer left
        EXPECT_EQ(creditStrokes(), 0);
        frame(200); // fully closed again after 200 ms
        EXPECT_EQ(emblem()->progress, 0.0);
    }
}

TEST_F(EmblemByPointer, AnimatesUntilFullyOpenOrClosed) {
    const auto progress = [&] { return emblem()->progress; };
    frame();
    EXPECT_FALSE(emblem()->animating());
    hover({745, 36});
    EXPECT_EQ(animatedFrames(*emblem(), progress, 125), 4);
    EXPECT_TRUE(emblem()->showsCredits());
    hover({600, 300});
    EXPECT_EQ(animatedFrames(*emblem(), progress, 50), 4);
    EXPECT_EQ(emblem()->progress, 0.0);
}

TEST_F(EmblemByPointer, WhereAPressOpensItATapShowsTheCreditsAndTheNextTapAnywhereHidesThem) {
    overlaySettings().tapOpens = true;
    frame();
    clickAt({745, 36});
    hover({300, 300});
    frame(250);
    frame(260);
    EXPECT_TRUE(emblem()->showsCredits());
    EXPECT_EQ(current().target({60, 20}), emblem()); // even over the next arrow
    clickAt({60, 20});
    EXPECT_EQ(SceneRegistry::instance().currentIndex(), 0);
    frame(200);
    EXPECT_EQ(emblem()->progress, 0.0);
}

TEST_F(EmblemByPointer, OpensAcrossTheClockWrap) {
    clock.set(INT_MAX - 250);
    frame();
    hover({740, 30});
    for (int i = 0; i < 10; ++i) {
        frame(50);
        EXPECT_NEAR(emblem()->progress, 0.1 * (i + 1), 1e-9) << clock.now();
    }
    EXPECT_LT(clock.now(), 0);
}

// A clock difference that comes out negative means the previous frame lies more than 24.8
// days back (here: an emblem first drawn after the clock wrapped). It counts as no time;
// taken literally, "closing" by minus 24 days would leave the emblem open ten million times
// over, and "opening" by it would leave it negative.
TEST_F(EmblemByPointer, AStepOfMoreThanTheClocksRangeCountsAsNoTime) {
    clock.set(INT_MIN + 1000);
    frame();
    EXPECT_EQ(emblem()->progress, 0.0);
    CreditsEmblem hovered;
    hovered.hover = true;
    hovered.advance(INT_MIN + 1000);
    EXPECT_EQ(hovered.progress, 0.0);
}

double angleOf(Vec2 v) {
    return std::atan2(v.y, v.x);
}

TEST(EmblemShape, LegsOpenFrom42To132DegreesInsideTheRingsGap) {
    std::mt19937 random(17);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 200; ++trial) {
        const double p = trial == 0 ? 0.0 : trial == 1 ? 1.0 : unit(random);
        const EmblemShape shape = emblemShape(p);
        const double alpha = shape.alpha, beta = shape.beta;
        // The ring runs counter-clockwise from 0.1 past the second leg round to 0.1 short of
        // the first, between radii 18 and 21.
        ASSERT_EQ(shape.ringInner.size(), 100u);
        double previous = -1e9;
        for (size_t i = 0; i < shape.ringInner.size(); ++i) {
            const Vec2 inner = shape.ringInner[i], outer = shape.ringOuter[i];
            EXPECT_NEAR(length(inner), 18.0, 1e-9);
            EXPECT_NEAR(length(outer), 21.0, 1e-9);
            EXPECT_NEAR(angleOf(inner), angleOf(outer), 1e-12);
            double theta = angleOf(inner);
            while (theta < beta) {
                theta += 2 * M_PI;
            }
            EXPECT_GT(theta, previous);
            previous = theta;
            EXPECT_GE(theta, beta + 0.1 - 1e-9);
            EXPECT_LE(theta, alpha + 2 * M_PI - 0.1 + 1e-9);
        }
        // The hinge lies on the bisector, 3 pixels inside both rays: the legs' inner edges.
        const Vec2 first{std::cos(alpha), std::sin(alpha)}, second{std::cos(beta), std::sin(beta)};
        EXPECT_NEAR(cross(first, shape.hinge), 3.0, 1e-9);
        EXPECT_NEAR(cross(shape.hinge, second), 3.0, 1e-9);
        EXPECT_NEAR(length(shape.firstLeg[1]), 61.5, 1e-9);
        EXPECT_NEAR(cross(first, shape.firstLeg[2]), 3.0, 1e-9);
        EXPECT_NEAR(length(shape.secondLeg[1]), 61.5, 1e-9);
        EXPECT_NEAR(cross(shape.secondLeg[2], second), 3.0, 1e-9);
        for (const Vec2 point : shape.sector) {
            const Vec2 arm = point; // the fan is drawn around the hinge
            EXPECT_NEAR(length(arm), 33.0, 1e-9);
            EXPECT_GE(angleOf(arm), alpha - 1e-12);
            EXPECT_LE(angleOf(arm), beta + 1e-12);
        }
        EXPECT_NEAR(shape.flipDegrees, 180 * p, 1e-12);
    }
    const double degrees = 180 / M_PI;
    const EmblemShape closed = emblemShape(0), open = emblemShape(1);
    EXPECT_NEAR((closed.beta - closed.alpha) * degrees, 42.2, 0.1);
    EXPECT_NEAR((open.beta - open.alpha) * degrees, 132.4, 0.1);
    EXPECT_NEAR(open.bisector, M_PI / 2, 1e-12); // open, symmetric about the vertical
}

TEST_F(EmblemByPointer, DrawsARedRingAndBlueLegsBetweenTheRays) {
    for (double p : {0.0, 1.0}) {
        emblem()->progress = p;
        emblem()->hover = p == 1.0; // keeps it where it is
        const EmblemShape shape = emblemShape(p);
        const Feedback feedback = drawn(*emblem());
        int red = 0, blue = 0;
        for (const auto& polygon : feedback.polygons) {
            for (const auto& v : polygon) {
                const Vec2 arm{v.x - 740.0, v.y - 30.0};
                if (hasColour(v, 0, 142 / 255.0, 169 / 255.0)) {
                    ++blue;
                    EXPECT_LE(length(arm), 61.6);
                    if (length(arm) > 1) {
                        EXPECT_GE(angleOf(arm), shape.alpha - 0.06);
                        EXPECT_LE(angleOf(arm), shape.beta + 0.06);
                    }
                } else {
                    ASSERT_TRUE(hasColour(v, 237 / 255.0, 65 / 255.0, 92 / 255.0));
                    ++red;
                }
            }
        }
        EXPECT_GT(red, 200);
        EXPECT_GT(blue, 0);
    }
}

} // namespace
} // namespace tessivo
