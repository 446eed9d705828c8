#include "math/draw_helpers.h"
#include "surfaces/crosscap/boundary_mode_choice.h"
#include "surfaces/crosscap/surface_mode_choice.h"
#include "tests/ui/controls_fixture.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

namespace tessivo {
namespace {

using testing::Feedback;
using testing::hasColour;

// Icons are drawn around (100, 100) of the overlay, so window coordinates minus 100 are the
// icon's own.
constexpr double centre = 100.0;

class Icon : public testing::GlTest {
protected:
    static Feedback drawn(ChoiceRow& row, int item) {
        struct Probe : Widget {
            ChoiceRow* row = nullptr;
            int item = 0;
            void draw() override {
                glPushMatrix();
                glTranslated(centre, centre, 0);
                row->drawItem(item);
                glPopMatrix();
            }
        } probe;
        probe.row = &row;
        probe.item = item;
        return testing::drawnInOverlay(probe);
    }
};

double radiusOf(const Feedback::Vertex& v) {
    return std::hypot(v.x - centre, v.y - centre);
}
double angleOf(const Feedback::Vertex& v) {
    return std::atan2(v.y - centre, v.x - centre);
}

// The area covered by the captured polygons (which do not overlap in these icons).
double areaOf(const std::vector<std::vector<Feedback::Vertex>>& polygons) {
    double area = 0;
    for (const auto& polygon : polygons) {
        double twice = 0;
        for (size_t i = 0; i < polygon.size(); ++i) {
            const auto& a = polygon[i];
            const auto& b = polygon[(i + 1) % polygon.size()];
            twice += double(a.x) * b.y - double(b.x) * a.y;
        }
        area += std::abs(twice) / 2;
    }
    return area;
}

bool allInColour(const std::vector<std::vector<Feedback::Vertex>>& primitives, double r, double g,
                 double b) {
    for (const auto& primitive : primitives) {
        for (const auto& v : primitive) {
            if (!hasColour(v, r, g, b)) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(Icon, SurfaceRowShowsOutlineSquareAndBars) {
    SurfaceModeChoice row;

    // Item 0, surface hidden: the outline of the 14-pixel square, four sides.
    const Feedback outline = drawn(row, 0);
    EXPECT_TRUE(outline.polygons.empty());
    ASSERT_EQ(outline.lines.size(), 4u);
    EXPECT_TRUE(allInColour(outline.lines, 0.1, 0.7, 0.3));
    double perimeter = 0;
    for (const auto& line : outline.lines) {
        perimeter += std::hypot(line[1].x - line[0].x, line[1].y - line[0].y);
        for (const auto& v : line) {
            EXPECT_NEAR(std::abs(v.x - centre), 7, 1e-3);
            EXPECT_NEAR(std::abs(v.y - centre), 7, 1e-3);
        }
    }
    EXPECT_NEAR(perimeter, 56, 1e-3);
    EXPECT_TRUE(testing::at(outline.lines.back()[1].x, outline.lines.front()[0].x));
    EXPECT_TRUE(testing::at(outline.lines.back()[1].y, outline.lines.front()[0].y));

    // Item 1, solid: the filled square.
    const Feedback square = drawn(row, 1);
    EXPECT_TRUE(square.lines.empty());
    EXPECT_TRUE(allInColour(square.polygons, 0.1, 0.7, 0.3));
    EXPECT_NEAR(areaOf(square.polygons), 196, 1e-2);
    const testing::Bounds box = testing::boundsOf(square.polygons);
    EXPECT_NEAR(box.minX, centre - 7, 1e-3);
    EXPECT_NEAR(box.maxX, centre + 7, 1e-3);
    EXPECT_NEAR(box.minY, centre - 7, 1e-3);
    EXPECT_NEAR(box.maxY, centre + 7, 1e-3);

    // Item 2 and any other, striped: four bars 2 wide and 14 high with gaps of 2.
    for (const int item : {2, 3, -1}) {
        const Feedback bars = drawn(row, item);
        EXPECT_TRUE(bars.lines.empty());
        EXPECT_TRUE(allInColour(bars.polygons, 0.1, 0.7, 0.3));
        EXPECT_NEAR(areaOf(bars.polygons), 4 * 2 * 14, 1e-2) << item;
        std::array<int, 4> barCorners{};
        for (const auto& polygon : bars.polygons) {
            for (const auto& v : polygon) {
                const double x = v.x - centre;
                EXPECT_NEAR(std::abs(v.y - centre), 7, 1e-3);
                // Every corner on a bar edge: x = -7, -5, -3, -1, 1, 3, 5, 7.
                EXPECT_NEAR((x + 9) / 2, std::round((x + 9) / 2), 1e-3) << x;
                EXPECT_LE(std::abs(x), 7 + 1e-3);
                barCorners[std::min(3, std::max(0, int(std::floor((x + 8) / 4))))]++;
            }
        }
        for (int k = 0; k < 4; ++k) {
            EXPECT_GE(barCorners[k], 4) << "bar " << k << " of item " << item;
        }
    }
}

TEST(BoundaryRing, SpokesRunOnceAroundWithTheLastOnTheFirst) {
    const BoundaryModeChoice row;
    ASSERT_EQ(row.ringPoints.size(), 40u);
    for (int k = 0; k < 20; ++k) {
        const Vec2 inner = row.ringPoints[2 * k], outer = row.ringPoints[2 * k + 1];
        EXPECT_NEAR(std::hypot(inner.x, inner.y), 6, 1e-12);
        EXPECT_NEAR(std::hypot(outer.x, outer.y), 8, 1e-12);
        // Inner and outer point on one ray from the centre.
        EXPECT_NEAR(inner.x * outer.y - inner.y * outer.x, 0, 1e-12);
        EXPECT_GT(inner.x * outer.x + inner.y * outer.y, 0);
        if (k > 0) {
            const Vec2 before = row.ringPoints[2 * k - 2];
            const double step = std::atan2(before.x * inner.y - before.y * inner.x,
                                           before.x * inner.x + before.y * inner.y);
            EXPECT_NEAR(step, 2 * M_PI / 19, 1e-12) << "spoke " << k;
        }
    }
    EXPECT_NEAR(row.ringPoints[38].x, row.ringPoints[0].x, 1e-12);
    EXPECT_NEAR(row.ringPoints[38].y, row.ringPoints[0].y, 1e-12);
    EXPECT_NEAR(row.ringPoints[39].y, row.ringPoints[1].y, 1e-12);
}

// The part of the ring between radii 6 and 8 that 19 straight-edged quads cover.
const double ringArea = 19 * 0.5 * std::sin(2 * M_PI / 19) * (8 * 8 - 6 * 6);

// The spoke (0 .. 19) whose ray a vertex lies on, with the spokes at angle 0 counted as both
// 0 and 19.
std::vector<int> spokesAt(const Feedback::Vertex& v) {
    double angle = angleOf(v);
    if (angle < 0) {
        angle += 2 * M_PI;
    }
    const int k = static_cast<int>(std::lround(angle / (2 * M_PI / 19))) % 19;
    return k == 0 ? std::vector<int>{0, 19} : std::vector<int>{k};
}

TEST_F(Icon, BoundaryRowDashedCircleAndPlainRing) {
    BoundaryModeChoice row;

    // Item 0, boundary hidden: ten black dashes on the circle of radius 6, each joining the
    // inner points of two neighbouring spokes, from spokes 0-1, 2-3, ... to 18-19.
    const Feedback dashes = drawn(row, 0);
    EXPECT_TRUE(dashes.polygons.empty());
    ASSERT_EQ(dashes.lines.size(), 10u);
    EXPECT_TRUE(allInColour(dashes.lines, 0, 0, 0));
    for (size_t d = 0; d < dashes.lines.size(); ++d) {
        const auto& dash = dashes.lines[d];
        EXPECT_NEAR(radiusOf(dash[0]), 6, 1e-3);
        EXPECT_NEAR(radiusOf(dash[1]), 6, 1e-3);
        const double start = 2 * d * 2 * M_PI / 19;
        EXPECT_NEAR(dash[0].x - centre, 6 * std::cos(start), 1e-3) << "dash " << d;
        EXPECT_NEAR(dash[0].y - centre, 6 * std::sin(start), 1e-3) << "dash " << d;
        EXPECT_NEAR(dash[1].x - centre, 6 * std::cos(start + 2 * M_PI / 19), 1e-3);
        EXPECT_NEAR(dash[1].y - centre, 6 * std::sin(start + 2 * M_PI / 19), 1e-3);
    }

    // Item 1, plain boundary: the full ring in the icon's earthy colour.
    const Feedback ring = drawn(row, 1);
    EXPECT_TRUE(ring.lines.empty());
    EXPECT_TRUE(allInColour(ring.polygons, 0.5, 0.4, 0.2));
    EXPECT_NEAR(areaOf(ring.polygons), ringArea, 1e-2);
    for (const auto& polygon : ring.polygons) {
        for (const auto& v : polygon) {
            const double r = radiusOf(v);
            EXPECT_TRUE(std::abs(r - 6) < 1e-3 || std::abs(r - 8) < 1e-3) << r;
        }
    }
}

TEST_F(Icon, BoundaryRowColouredRingAndSectionBar) {
    BoundaryModeChoice row;
    for (const int item : {2, 4, 7, 3}) {
        const Feedback drawnIcon = drawn(row, item);
        EXPECT_TRUE(drawnIcon.lines.empty());
        // The ring: each spoke in the hue ramp at (index of its inner point) / 39, red at the
        // start, the last spoke (on the first) nearly back to red, two rounds of the
        // primaries in between.
        std::vector<std::vector<Feedback::Vertex>> ringPolygons, barPolygons;
        for (const auto& polygon : drawnIcon.polygons) {
            bool onRing = true;
            for (const auto& v : polygon) {
                const double r = radiusOf(v);
                onRing = onRing && (std::abs(r - 6) < 1e-3 || std::abs(r - 8) < 1e-3);
            }
            (onRing ? ringPolygons : barPolygons).push_back(polygon);
        }
        EXPECT_NEAR(areaOf(ringPolygons), ringArea, 1e-2) << item;
        std::set<int> spokesSeen;
        for (const auto& polygon : ringPolygons) {
            for (const auto& v : polygon) {
                bool matches = false;
                for (const int k : spokesAt(v)) {
                    const Vec3 hue = hueRamp(2 * k / 39.0, 1);
                    if (hasColour(v, hue.x, hue.y, hue.z)) {
                        matches = true;
                        spokesSeen.insert(k);
                    }
                }
                EXPECT_TRUE(matches) << "item " << item << ": vertex at angle " << angleOf(v)
                                     << " coloured " << v.r << ", " << v.g << ", " << v.b;
            }
        }
        EXPECT_EQ(spokesSeen.size(), 20u) << item;

        if (item != 3) {
            EXPECT_TRUE(barPolygons.empty()) << item;
            continue;
        }
        // Item 3 adds the moving cross-section: a bar 16 by 2 across the ring, in the colour
        // of the ring's last spoke.
        ASSERT_FALSE(barPolygons.empty());
        const Vec3 last = hueRamp(38 / 39.0, 1);
        EXPECT_TRUE(allInColour(barPolygons, last.x, last.y, last.z));
        EXPECT_NEAR(areaOf(barPolygons), 32, 1e-2);
        const testing::Bounds bar = testing::boundsOf(barPolygons);
        EXPECT_NEAR(bar.minX, centre - 8, 1e-3);
        EXPECT_NEAR(bar.maxX, centre + 8, 1e-3);
        EXPECT_NEAR(bar.minY, centre - 1, 1e-3);
        EXPECT_NEAR(bar.maxY, centre + 1, 1e-3);
    }
}

} // namespace
} // namespace tessivo
