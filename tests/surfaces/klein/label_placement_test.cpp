#include "surfaces/klein/label_placement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace tessivo {
namespace {

constexpr int rows = 100;
constexpr int columns = 50;

// The place by the plain definition: count c down (or up) a trip of rows at a time, toggling
// the flip at each trip. Only usable where c fits an int comfortably.
std::pair<int, bool> countedPlace(double progress) {
    int c = static_cast<int>(rows * progress * 2);
    bool flip = false;
    while (c < 0) {
        c += rows;
        flip = !flip;
    }
    while (c >= rows) {
        c -= rows;
        flip = !flip;
    }
    return {c, flip};
}

TEST(LabelPlacement, AtRestCoversRowsFourteenToTwentyFourUnflipped) {
    const LabelPlacement p = labelPlacement(0.07, rows, columns);
    EXPECT_EQ(p.startRow, 14);
    EXPECT_EQ(p.endRow, 24);
    EXPECT_FALSE(p.flipped);
    EXPECT_EQ(p.primaryLow, 20);
    EXPECT_EQ(p.primaryHigh, 30);
    EXPECT_EQ(p.acrossStart, 1.0);
    EXPECT_EQ(p.acrossEnd, 0.0);
    const std::vector<LabelPiece> pieces = labelPieces(p, rows);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].range.rowStart, 14);
    EXPECT_EQ(pieces[0].range.rowEnd, 24);
    EXPECT_EQ(pieces[0].range.columnStart, 20);
    EXPECT_EQ(pieces[0].range.columnEnd, 30);
    EXPECT_EQ(pieces[0].alongStart, 0.0);
    EXPECT_EQ(pieces[0].alongEnd, 1.0);
}

TEST(LabelPlacement, OneTripAroundComesBackMirroredOnTheMirroredColumns) {
    const LabelPlacement p = labelPlacement(0.5, rows, columns);
    EXPECT_EQ(p.startRow, 0);
    EXPECT_EQ(p.endRow, 10);
    EXPECT_TRUE(p.flipped);
    const std::vector<LabelPiece> pieces = labelPieces(p, rows);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].range.columnStart, 19);
    EXPECT_EQ(pieces[0].range.columnEnd, 29);
    // Mirrored across: s runs 1 -> 0 over the columns instead of 0 -> 1.
    EXPECT_NEAR(labelTextureCoordinate(pieces[0], 0, 0, false).s, 1.0, 1e-15);
    EXPECT_NEAR(labelTextureCoordinate(pieces[0], 0, 10, false).s, 0.0, 1e-15);
    // Two trips: back as it was.
    const LabelPlacement twice = labelPlacement(1.07, rows, columns);
    EXPECT_EQ(twice.startRow, 14);
    EXPECT_FALSE(twice.flipped);
}

TEST(LabelPlacement, OverTheEndOfTheSpineContinuesMirroredAtItsStart) {
    const LabelPlacement p = labelPlacement(0.46, rows, columns);
    EXPECT_EQ(p.startRow, 92);
    EXPECT_EQ(p.endRow, 2);
    EXPECT_FALSE(p.flipped);
    const std::vector<LabelPiece> pieces = labelPieces(p, rows);
    ASSERT_EQ(pieces.size(), 2u);
    const LabelPiece& start = pieces[0];
    const LabelPiece& end = pieces[1];
    // Rows 92..99 (7 bands) carry along 0 -> 7/9 on columns 20..30 with s 0 -> 1.
    EXPECT_EQ(end.range.rowStart, 92);
    EXPECT_EQ(end.range.rowEnd, 99);
    EXPECT_EQ(end.range.columnStart, 20);
    EXPECT_EQ(end.range.columnEnd, 30);
    EXPECT_NEAR(labelTextureCoordinate(end, 0, 0, false).t, 0.0, 1e-15);
    EXPECT_NEAR(labelTextureCoordinate(end, 6, 0, true).t, 7.0 / 9.0, 1e-12);
    // Rows 0..2 (2 bands) carry along 7/9 -> 1 on columns 19..29 with s 1 -> 0.
    EXPECT_EQ(start.range.rowStart, 0);
    EXPECT_EQ(start.range.rowEnd, 2);
    EXPECT_EQ(start.range.columnStart, 19);
    EXPECT_EQ(start.range.columnEnd, 29);
    EXPECT_NEAR(labelTextureCoordinate(start, 0, 0, false).t, 7.0 / 9.0, 1e-12);
    EXPECT_NEAR(labelTextureCoordinate(start, 1, 0, true).t, 1.0, 1e-12);
    // Where the last ring meets the first, column j meets column 49 - j: same s.
    for (int j = 20; j <= 30; ++j) {
        const double sEnd = labelTextureCoordinate(end, 6, j - 20, true).s;
        const double sStart = labelTextureCoordinate(start, 0, (49 - j) - 19, false).s;
        EXPECT_NEAR(sEnd, sStart, 1e-12) << "column " << j;
        EXPECT_NEAR(sEnd, (j - 20) / 10.0, 1e-12);
    }
}

// While the label crosses the seam, every band of it carries the same share of the picture and
// the bands together carry all of it, from the bottom line to the top, at every step of the
// dial.
TEST(LabelPlacement, CrossingTheSeamKeepsTheWholePictureAtOneScale) {
    for (int c = 90; c < rows; ++c) {
        for (int trip = 0; trip < 2; ++trip) {
            const LabelPlacement p =
                labelPlacement((c + trip * rows + 0.5) / (2.0 * rows), rows, columns);
            ASSERT_EQ(p.startRow, c);
            // In picture order: the part at the end of the spine, then its continuation.
            std::vector<LabelPiece> pieces = labelPieces(p, rows);
            std::reverse(pieces.begin(), pieces.end());
            double t = 0.0;
            for (const LabelPiece& piece : pieces) {
                const int bands = piece.range.rowEnd - piece.range.rowStart;
                ASSERT_GT(bands, 0) << "c " << c;
                for (int band = 0; band < bands; ++band) {
                    EXPECT_NEAR(labelTextureCoordinate(piece, band, 0, false).t, t, 1e-12)
                        << "c " << c << " band " << band;
                    t += 1.0 / 9.0;
                    EXPECT_NEAR(labelTextureCoordinate(piece, band, 0, true).t, t, 1e-12)
                        << "c " << c << " band " << band;
                }
            }
            EXPECT_NEAR(t, 1.0, 1e-12) << "c " << c;
        }
    }
}

TEST(LabelPlacement, NegativeProgressWrapsFromBelowTogglingEachTrip) {
    // c = -2: one trip up gives row 98, flipped.
    LabelPlacement p = labelPlacement(-0.01, rows, columns);
    EXPECT_EQ(p.startRow, 98);
    EXPECT_TRUE(p.flipped);
    EXPECT_EQ(p.primaryLow, 19);
    EXPECT_EQ(p.secondaryLow, 20);
    // c = -100 exactly: one trip, row 0, flipped; c = -101: two trips, row 99, not flipped.
    p = labelPlacement(-0.5, rows, columns);
    EXPECT_EQ(p.startRow, 0);
    EXPECT_TRUE(p.flipped);
    p = labelPlacement(-0.505, rows, columns);
    EXPECT_EQ(p.startRow, 99);
    EXPECT_FALSE(p.flipped);
    // Any value below a whole trip truncates towards zero first: c = -0.4 is 0.
    p = labelPlacement(-0.002, rows, columns);
    EXPECT_EQ(p.startRow, 0);
    EXPECT_FALSE(p.flipped);
}

TEST(LabelPlacement, AgreesWithCountingTripsForEveryDialAngle) {
    std::mt19937 random(31);
    std::uniform_real_distribution<double> angle(-1000.0, 1000.0);
    for (int i = 0; i < 5000; ++i) {
        const double progress = angle(random) * 0.07957747154594767 + 0.07;
        const auto [c, flip] = countedPlace(progress);
        const LabelPlacement p = labelPlacement(progress, rows, columns);
        ASSERT_EQ(p.startRow, c) << progress;
        ASSERT_EQ(p.flipped, flip) << progress;
        EXPECT_EQ(p.endRow, (c + 10) % rows);
    }
}

TEST(LabelPlacement, HugeAndNonFiniteProgressStaysOnTheMesh) {
    // Far beyond an int's range: the place still follows c modulo two trips. With
    // P = 2^40, 200 P is a whole number of double trips, so P + 0.25 sits at row 50 and
    // P + 0.5 one trip further, at row 0 flipped; -(P + 0.25) is 2P + 1 trips below row 50.
    const double P = 1099511627776.0;
    LabelPlacement p = labelPlacement(P + 0.25, rows, columns);
    EXPECT_EQ(p.startRow, 50);
    EXPECT_FALSE(p.flipped);
    p = labelPlacement(P + 0.5, rows, columns);
    EXPECT_EQ(p.startRow, 0);
    EXPECT_TRUE(p.flipped);
    p = labelPlacement(-(P + 0.25), rows, columns);
    EXPECT_EQ(p.startRow, 50);
    EXPECT_TRUE(p.flipped);
    for (double huge :
         {1e300, -1e300, std::numeric_limits<double>::max(),
          std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        const LabelPlacement q = labelPlacement(huge, rows, columns);
        EXPECT_GE(q.startRow, 0) << huge;
        EXPECT_LT(q.startRow, rows) << huge;
        EXPECT_GE(q.endRow, 0) << huge;
        EXPECT_LT(q.endRow, rows) << huge;
    }
    const LabelPlacement nan = labelPlacement(std::nan(""), rows, columns);
    EXPECT_EQ(nan.startRow, 0);
    EXPECT_FALSE(nan.flipped);
}

// The label and the glass around it cover every quad of the mesh exactly once, wherever the
// label is, so the bottle has a hole exactly where the label is and nowhere else.
TEST(LabelPlacement, LabelAndGlassTileTheMeshExactlyOnce) {
    for (int c = 0; c < rows; ++c) {
        for (int trip = 0; trip < 2; ++trip) {
            const double progress = (c + trip * rows + 0.5) / (2.0 * rows);
            const LabelPlacement p = labelPlacement(progress, rows, columns);
            ASSERT_EQ(p.startRow, c);
            ASSERT_EQ(p.flipped, trip == 1);
            std::array<std::array<int, columns - 1>, rows - 1> covered{};
            std::array<std::array<int, columns - 1>, rows - 1> label{};
            auto cover = [&](const StripRange& r, auto& grid) {
                ASSERT_GE(r.rowStart, 0);
                ASSERT_LE(r.rowEnd, rows - 1);
                ASSERT_GE(r.columnStart, 0);
                ASSERT_LE(r.columnEnd, columns - 1);
                for (int i = r.rowStart; i < r.rowEnd; ++i) {
                    for (int j = r.columnStart; j < r.columnEnd; ++j) {
                        ++covered[i][j];
                        ++grid[i][j];
                    }
                }
            };
            int labelQuads = 0;
            for (const LabelPiece& piece : labelPieces(p, rows)) {
                cover(piece.range, label);
                labelQuads += (piece.range.rowEnd - piece.range.rowStart) * 10;
            }
            std::array<std::array<int, columns - 1>, rows - 1> glass{};
            for (const StripRange& r : glassAroundLabel(p, rows, columns)) {
                cover(r, glass);
            }
            for (int i = 0; i < rows - 1; ++i) {
                for (int j = 0; j < columns - 1; ++j) {
                    ASSERT_EQ(covered[i][j], 1)
                        << "c " << c << " trip " << trip << " band " << i << " gap " << j;
                }
            }
            // Ten bands of the label, less the seam between the last and first ring when it
            // runs over the end.
            EXPECT_EQ(labelQuads, (c < 90 ? 10 : 9) * 10) << "c " << c;
        }
    }
}

} // namespace
} // namespace tessivo
