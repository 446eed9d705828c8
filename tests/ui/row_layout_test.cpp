#include "ui/overlay_layout.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

// A square target of side 44 centred on its position, a slider's zone (120 x 44, the track 10
// above its bottom) and the closed emblem (its drawing reaches up and to the right).
const Rect square{-22, -22, 22, 22};
const Rect slider{-60, -17, 60, 27};
const Rect emblem{-30, -30, 59, 59};

RowLayoutRequest request(double width, double height, std::vector<Rect> controls) {
    RowLayoutRequest r;
    r.width = width;
    r.height = height;
    r.margin = 11;
    r.gap = 6;
    r.controls = std::move(controls);
    r.emblem = emblem;
    return r;
}

Rect placed(const Rect& area, const Vec2& at) {
    return {area.left + at.x, area.bottom + at.y, area.right + at.x, area.top + at.y};
}

TEST(RowLayout, OneRowFromTheLeftWithTheEmblemInTheBottomRightCorner) {
    const RowLayout layout = rowLayout(request(800, 600, {square, square, slider}));
    EXPECT_FALSE(layout.emblemAtTop);
    ASSERT_EQ(layout.positions.size(), 3u);
    EXPECT_EQ(layout.positions[0], (Vec2{33, 33}));
    EXPECT_EQ(layout.positions[1], (Vec2{83, 33}));
    // Centred on the row's middle line: the zone's middle 5 above the track.
    EXPECT_EQ(layout.positions[2], (Vec2{171, 28}));
    EXPECT_EQ(layout.emblem, (Vec2{730, 41}));
    EXPECT_EQ(layout.rowsTop, 55);
}

TEST(RowLayout, AFullRowSendsTheEmblemToTheTopAndWrapsClearOfEachOther) {
    const std::vector<Rect> controls{square, square, square, slider, slider, square};
    const RowLayout layout = rowLayout(request(320, 480, controls));
    EXPECT_TRUE(layout.emblemAtTop);
    EXPECT_EQ(layout.emblem, (Vec2{250, 410}));
    const Rect window{0, 0, 320, 480};
    for (size_t i = 0; i < controls.size(); ++i) {
        const Rect a = placed(controls[i], layout.positions[i]);
        EXPECT_TRUE(window.encloses(a)) << i;
        EXPECT_FALSE(a.overlaps(placed(emblem, layout.emblem))) << i;
        for (size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(a.overlaps(placed(controls[j], layout.positions[j]))) << i << " " << j;
        }
    }
    // Three squares and a slider fill the first row; the second slider and the last square
    // start the second, 6 above it.
    EXPECT_EQ(layout.positions[4].x, 71);
    EXPECT_EQ(layout.positions[4].y, 78);
    EXPECT_EQ(layout.rowsTop, 105);
}

TEST(RowLayout, UprightAFullRowPutsTheEmblemOverTheRowsKeepingTheTopFree) {
    const std::vector<Rect> controls{square, square, square, slider, slider, square};
    RowLayoutRequest r = request(320, 480, controls);
    r.emblemOverRows = true;
    const RowLayout layout = rowLayout(r);
    EXPECT_FALSE(layout.emblemAtTop);
    // At the right, 6 above the second row's top at 105; the rows' top is now the emblem's.
    EXPECT_EQ(layout.emblem, (Vec2{250, 141}));
    EXPECT_EQ(layout.rowsTop, 200);
    EXPECT_EQ(layout.positions[4], rowLayout(request(320, 480, controls)).positions[4]);
}

TEST(RowLayout, TheEmblemGoesUpWhenAskedEvenWhereTheRowHoldsIt) {
    RowLayoutRequest r = request(800, 600, {square});
    EXPECT_TRUE(fitsOneRow(r));
    r.emblemAtTop = true;
    const RowLayout layout = rowLayout(r);
    EXPECT_TRUE(layout.emblemAtTop);
    EXPECT_EQ(layout.emblem, (Vec2{730, 530}));
}

} // namespace
} // namespace tessivo
