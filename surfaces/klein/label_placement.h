#pragma once

#include "surfaces/drawing/draw_primitive.h"

#include <vector>

namespace tessivo {

// Where the label sits on the bottle's mesh for one progress, and whether it has come back
// mirrored.
//
// The label covers 10 bands of rows from startRow; endRow = (startRow + 10) mod rows, so it may
// run over the end of the spine and continue at its start. Across the spine it covers columns
// 20..30 on one side of the mesh's seam of mirror symmetry and 19..29 (= columns - 1 - j for j
// in 20..30) on the other: where the last ring is glued to the first one, column j meets column
// columns - 1 - j.
//
// One trip round the rows flips the label; two bring it back. startRow is
// trunc(rows * progress * 2) wrapped into 0..rows - 1, and every wrap, upwards or downwards,
// toggles flipped. The wrap is computed modulo 2 rows in floating point, which is exact for
// every finite progress, so any dial angle gives a sane place; a progress so large that
// rows * progress * 2 is not finite (or NaN) counts as the label at rest at row 0, unflipped.
struct LabelPlacement {
    int startRow = 0;
    int endRow = 0;
    bool flipped = false;
    // The columns the label covers where it starts (primary) and where it continues after the
    // end of the spine (secondary); flipped swaps them.
    int primaryLow = 20;
    int primaryHigh = 30;
    int secondaryLow = 19;
    int secondaryHigh = 29;
    // The picture's horizontal coordinate runs from acrossStart to acrossEnd over the primary
    // columns (s = 1 - across); flipped reverses it.
    double acrossStart = 1.0;
    double acrossEnd = 0.0;
};
// Domain: rows >= 11, columns >= 31.
LabelPlacement labelPlacement(double progress, int rows, int columns);

// A run of bands of the mesh: rowStart, rowStart + 1, ... below rowEnd, each a quad strip over
// the columns columnStart..columnEnd inclusive.
struct StripRange {
    int rowStart = 0;
    int rowEnd = 0;
    int columnStart = 0;
    int columnEnd = 0;
};

// A run of bands that carries the picture: the range, and the picture coordinates along the
// rows (t, alongStart -> alongEnd) and across the columns (acrossStart -> acrossEnd).
struct LabelPiece {
    StripRange range;
    double alongStart = 0.0;
    double alongEnd = 1.0;
    double acrossStart = 1.0;
    double acrossEnd = 0.0;
};

// The pieces that carry the picture: one while the label lies within the rows, otherwise the
// part at the end of the spine (along 0 -> split) and its continuation at the start (along
// split -> 1) on the mirrored columns with the mirrored across direction, split in proportion
// to the bands of each part. A part without bands is left out.
std::vector<LabelPiece> labelPieces(const LabelPlacement& placement, int rows);

// The glass around the label: every band of the mesh that the label does not cover, each
// exactly once.
std::vector<StripRange> glassAroundLabel(const LabelPlacement& placement, int rows, int columns);

// The texture coordinates (s, t) of the k-th column of the m-th band of a piece, at the band's
// lower row (upper = false) or its upper row.
TextureCoordinate labelTextureCoordinate(const LabelPiece& piece, int band, int column, bool upper);

} // namespace tessivo
