#include "surfaces/klein/label_placement.h"

#include <cmath>
#include <utility>

namespace tessivo {

namespace {

constexpr int labelRows = 10;
constexpr int labelLow = 20;
constexpr int labelHigh = 30;

} // namespace

LabelPlacement labelPlacement(double progress, int rows, int columns) {
    LabelPlacement placement;
    placement.primaryLow = labelLow;
    placement.primaryHigh = labelHigh;
    placement.secondaryLow = columns - 1 - labelHigh;
    placement.secondaryHigh = columns - 1 - labelLow;

    // Counting c down by rows (or up) toggles the flip once per step, so what matters is c
    // modulo two trips: the first trip unflipped, the second flipped. fmod is exact, and c is
    // a whole number, so this holds for every finite value without an integer conversion that
    // could overflow.
    const double c = std::trunc(rows * progress * 2.0);
    if (std::isfinite(c)) {
        double twoTrips = std::fmod(c, 2.0 * rows);
        if (twoTrips < 0.0) {
            twoTrips += 2.0 * rows;
        }
        placement.flipped = twoTrips >= rows;
        placement.startRow = static_cast<int>(twoTrips) - (placement.flipped ? rows : 0);
    }
    placement.endRow = (placement.startRow + labelRows) % rows;
    if (placement.flipped) {
        std::swap(placement.primaryLow, placement.secondaryLow);
        std::swap(placement.primaryHigh, placement.secondaryHigh);
        placement.acrossStart = 0.0;
        placement.acrossEnd = 1.0;
    }
    return placement;
}

std::vector<LabelPiece> labelPieces(const LabelPlacement& placement, int rows) {
    const int c = placement.startRow;
    const int e = placement.endRow;
    std::vector<LabelPiece> pieces;
    if (c < e) {
        pieces.push_back({{c, e, placement.primaryLow, placement.primaryHigh},
                          0.0,
                          1.0,
                          placement.acrossStart,
                          placement.acrossEnd});
        return pieces;
    }
    // The label runs over the end of the spine. The last ring is glued to the first with a
    // flip, so the rest of the picture continues on the mirrored columns, read the other way
    // across. No band joins the last ring to the first (they are one ring), so the label has
    // one band fewer here; each part takes its share of the picture by the bands it has, which
    // keeps the picture at one scale across the seam and whole when one part has none.
    const int endBands = rows - 1 - c;
    const double split = static_cast<double>(endBands) / (endBands + e);
    if (e > 0) {
        pieces.push_back({{0, e, placement.secondaryLow, placement.secondaryHigh},
                          split,
                          1.0,
                          placement.acrossEnd,
                          placement.acrossStart});
    }
    if (c < rows - 1) {
        pieces.push_back({{c, rows - 1, placement.primaryLow, placement.primaryHigh},
                          0.0,
                          split,
                          placement.acrossStart,
                          placement.acrossEnd});
    }
    return pieces;
}

std::vector<StripRange> glassAroundLabel(const LabelPlacement& placement, int rows, int columns) {
    const int c = placement.startRow;
    const int e = placement.endRow;
    const int last = columns - 1;
    std::vector<StripRange> ranges;
    auto add = [&](int rowStart, int rowEnd, int columnStart, int columnEnd) {
        if (rowStart < rowEnd) {
            ranges.push_back({rowStart, rowEnd, columnStart, columnEnd});
        }
    };
    if (c < e) {
        add(c, e, placement.primaryHigh, last);
        add(c, e, 0, placement.primaryLow);
        add(0, c, 0, last);
        add(e, rows - 1, 0, last);
        return ranges;
    }
    if (e > 0) {
        add(0, e, placement.secondaryHigh, last);
        add(0, e, 0, placement.secondaryLow);
    }
    if (c < rows - 1) {
        add(c, rows - 1, placement.primaryHigh, last);
        add(c, rows - 1, 0, placement.primaryLow);
    }
    add(e, c, 0, last);
    return ranges;
}

TextureCoordinate labelTextureCoordinate(const LabelPiece& piece, int band, int column,
                                         bool upper) {
    const StripRange& r = piece.range;
    const double alongStep = (piece.alongEnd - piece.alongStart) / (r.rowEnd - r.rowStart);
    const double acrossStep = (piece.acrossEnd - piece.acrossStart) / (r.columnEnd - r.columnStart);
    TextureCoordinate coordinate;
    coordinate.s = 1.0 - (piece.acrossStart + column * acrossStep);
    coordinate.t = piece.alongStart + (band + (upper ? 1 : 0)) * alongStep;
    return coordinate;
}

} // namespace tessivo
