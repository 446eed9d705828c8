#include "scene/scene.h"
#include "tests/ui/controls_fixture.h"
#include "ui/colour_picker.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::ControlsTest;
using testing::Feedback;
using testing::hasColour;

// The standard picker of the current scene, at (80, 520) in an 800 x 600 window and hidden, as
// every scene starts: its tracks run from pixel 30 to 129, red at y 520, green 535, blue 550.
class PickerByPointer : public ControlsTest {
protected:
    ColourPicker* picker() { return standard<ColourPicker>(4); }
};

TEST_F(PickerByPointer, HiddenPickerStillTakesADragAndKeepsTheGrabOffset) {
    ASSERT_TRUE(picker()->hidden);
    ASSERT_EQ(picker()->pixelOf(backgroundColour[0]), 33); // red 9
    press({53, 521});                                      // 20 pixels right of the red knob
    EXPECT_EQ(picker()->channelRow, 0);
    EXPECT_EQ(picker()->grabOffset, 20);
    EXPECT_EQ(backgroundColour[0], 9); // a press alone changes nothing
    dragTo({58, 526});
    // Five pixels' worth (5 * 255 / 99, about 13), not the 25 from knob to pointer.
    EXPECT_GE(backgroundColour[0], 9 + 13 - 3);
    EXPECT_LE(backgroundColour[0], 9 + 13 + 3);
    EXPECT_EQ(backgroundColour[1], 48);
    EXPECT_EQ(backgroundColour[2], 75);
    dragTo({33 + 20, 600}); // back to the start, far above: the grabbed row stays
    EXPECT_EQ(backgroundColour[0], picker()->channelOf(33));
    EXPECT_EQ(backgroundColour[1], 48);
}

TEST_F(PickerByPointer, EachRowEditsItsChannelWithinZeroTo255) {
    const struct {
        double y;
        int row;
    } rows[] = {{510, 0}, {534, 0}, {535, 1}, {549, 1}, {550, 2}, {560, 2}};
    for (const auto& r : rows) {
        backgroundColour = {100, 100, 100};
        const double knob = picker()->pixelOf(100);
        press({knob, r.y});
        EXPECT_EQ(picker()->channelRow, r.row) << r.y;
        dragTo({knob + 400, r.y});
        EXPECT_EQ(backgroundColour[r.row], 255);
        dragTo({knob - 400, r.y});
        EXPECT_EQ(backgroundColour[r.row], 0);
        for (int other = 0; other < 3; ++other) {
            if (other != r.row) {
                EXPECT_EQ(backgroundColour[other], 100);
            }
        }
        release({knob - 400, r.y});
        EXPECT_FALSE(picker()->dragging);
    }
}

// The knob triangles of a drawn picker, bottom row first, told apart by their colours.
std::vector<Feedback::Vertex> knobs(const Feedback& feedback) {
    std::vector<Feedback::Vertex> found;
    for (const auto& polygon : feedback.polygons) {
        const auto& v = polygon[0];
        if (polygon.size() == 3 && (hasColour(v, 0.1, 0.8, 0.8) || hasColour(v, 0.8, 0.85, 0.85) ||
                                    hasColour(v, 0.2, 0.1, 0.8))) {
            found.push_back(*std::min_element(polygon.begin(), polygon.end(),
                                              [](auto& a, auto& b) { return a.y < b.y; }));
        }
    }
    std::sort(found.begin(), found.end(), [](auto& a, auto& b) { return a.y < b.y; });
    return found;
}

TEST_F(PickerByPointer, KnobsShowTheRowUnderThePointer) {
    hover({200, 300});
    hover({60, 536});
    EXPECT_TRUE(picker()->hover);
    EXPECT_EQ(picker()->channelRow, 1);
    auto found = knobs(drawn(*picker()));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_TRUE(hasColour(found[0], 0.1, 0.8, 0.8));
    EXPECT_TRUE(hasColour(found[1], 0.8, 0.85, 0.85));
    EXPECT_TRUE(hasColour(found[2], 0.1, 0.8, 0.8));
    // Each knob's tip touches the top of its bar, at the channel's pixel.
    EXPECT_EQ(found[1].y, 537);
    EXPECT_EQ(found[1].x, picker()->pixelOf(48));
    press({60, 536});
    EXPECT_TRUE(hasColour(knobs(drawn(*picker()))[1], 0.2, 0.1, 0.8));
    release({60, 536});
    hover({400, 300});
    EXPECT_FALSE(picker()->hover);
    EXPECT_TRUE(hasColour(knobs(drawn(*picker()))[1], 0.1, 0.8, 0.8));
}

TEST(PickerLabels, TurnBlackWhenTheMeanChannelPasses127) {
    testing::ensureGlContext();
    const struct {
        std::array<int, 3> colour;
        bool white;
    } cases[] = {{{127, 127, 127}, true}, {{128, 128, 128}, false},
                 {{255, 128, 0}, true}, // 383 / 3 is 127 in whole numbers
                 {{255, 129, 0}, false},  {{0, 0, 0}, true},
                 {{255, 255, 255}, false}};
    for (const auto& c : cases) {
        std::array<int, 3> channels = c.colour;
        ColourPicker picker(channels.data());
        picker.position = {300, 300};
        const Feedback feedback = testing::drawnInOverlay(picker);
        ASSERT_FALSE(feedback.lines.empty());
        for (const auto& line : feedback.lines) {
            const double level = c.white ? 1.0 : 0.0;
            ASSERT_TRUE(hasColour(line[0], level, level, level));
        }
        // The labels start 6 pixels right of the tracks and are about 10 pixels high.
        float minX = 1e9f, maxY = -1e9f;
        for (const auto& line : feedback.lines) {
            minX = std::min({minX, line[0].x, line[1].x});
            maxY = std::max({maxY, line[0].y, line[1].y});
        }
        EXPECT_GE(minX, 349 + 6);
        EXPECT_LT(maxY, 300 - 2 + 30 + 12);
    }
}

} // namespace
} // namespace tessivo
