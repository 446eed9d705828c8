#include "tests/ui/controls_fixture.h"
#include "ui/choice_row.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <random>

namespace tessivo {
namespace {

using testing::ControlsTest;
using testing::Feedback;

// Icons are white 4 x 4 squares; the row remembers where it was asked to draw them.
class SquaresRow : public ChoiceRow {
public:
    using ChoiceRow::ChoiceRow;
    void drawItem(int i) override {
        drawnItems.push_back(i);
        glColor3d(1, 1, 1);
        glRectd(-2, -2, 2, 2);
    }
    std::vector<int> drawnItems;
};

// Three items 20 pixels apart centred at (210, 300): items at x 190, 210 and 230.
class RowByPointer : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        row = addControl(std::make_unique<SquaresRow>(3, 20.0), {210, 300});
    }
    SquaresRow* row = nullptr;
};

TEST_F(RowByPointer, HitRangeAndItemIndex) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> height(280.01, 319.99);
    for (int i = 0; i < 200; ++i) {
        const double y = height(random);
        EXPECT_FALSE(row->contains({177.0, y}));
        EXPECT_TRUE(row->contains({177.01, y}));
        EXPECT_TRUE(row->contains({242.99, y}));
        EXPECT_FALSE(row->contains({243.0, y}));
    }
    EXPECT_FALSE(row->contains({210, 320}));
    EXPECT_FALSE(row->contains({210, 280}));
    EXPECT_EQ(row->index({199.9, 300}), 0);
    EXPECT_EQ(row->index({200, 300}), 1);
    EXPECT_EQ(row->index({220, 300}), 2);
    EXPECT_EQ(row->index({178, 300}), 0); // the reach beyond the outer cells keeps their items
    EXPECT_EQ(row->index({242, 300}), 2);
}

TEST_F(RowByPointer, PressSelectsTheItemUnderThePointer) {
    const struct {
        double x;
        int item;
    } presses[] = {{221, 2}, {199, 0}, {200, 1}, {178, 0}, {242, 2}};
    for (const auto& p : presses) {
        press({p.x, 310});
        release({p.x, 310});
        EXPECT_EQ(row->selected, p.item) << p.x;
    }
    press({250, 300}); // off the row: the object turns, the selection stays
    EXPECT_EQ(row->selected, 2);
}

// Corners of the marker triangles in a capture: filled ones and outlined ones.
struct Markers {
    std::vector<std::vector<Feedback::Vertex>> filled;
    std::vector<std::vector<Feedback::Vertex>> outlines;
};
Markers markers(const Feedback& feedback) {
    Markers found;
    for (const auto& polygon : feedback.polygons) {
        if (testing::hasColour(polygon[0], 0.3, 0.5, 0.55)) {
            found.filled.push_back(polygon);
        }
    }
    for (const auto& line : feedback.lines) {
        EXPECT_TRUE(testing::hasColour(line[0], 0.3, 0.5, 0.55));
        found.outlines.push_back(line);
    }
    return found;
}

TEST_F(RowByPointer, MarkersFollowTheSelectionAndThePointer) {
    row->setSelected(1);
    hover({229, 305});
    EXPECT_EQ(row->hovered, 2);
    Markers m = markers(drawn(*row));
    EXPECT_EQ(row->drawnItems, (std::vector<int>{0, 1, 2}));
    ASSERT_EQ(m.filled.size(), 1u);
    EXPECT_NEAR(m.filled[0][0].x, 210, 1e-3); // apex 9 pixels below the selected item
    EXPECT_NEAR(m.filled[0][0].y, 291, 1e-3);
    ASSERT_EQ(m.outlines.size(), 3u); // the outline under the item under the pointer
    for (const auto& line : m.outlines) {
        EXPECT_GE(line[0].x, 222 - 1e-3);
        EXPECT_LE(line[0].x, 238 + 1e-3);
    }
    hover({210, 305}); // over the selected item: no outline
    EXPECT_TRUE(markers(drawn(*row)).outlines.empty());
    hover({190, 305});
    EXPECT_EQ(markers(drawn(*row)).outlines.size(), 3u);
    hover({400, 500}); // away from the row: the outline goes, the filled marker stays
    EXPECT_EQ(row->hovered, -1);
    m = markers(drawn(*row));
    EXPECT_TRUE(m.outlines.empty());
    ASSERT_EQ(m.filled.size(), 1u);
    EXPECT_NEAR(m.filled[0][0].x, 210, 1e-3);
}

} // namespace
} // namespace tessivo
