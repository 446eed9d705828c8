#pragma once

// Lines wider than a pixel as triangles, for rasterisers that draw one-pixel lines only (WebGL
// caps the line width at 1 in practice).

#include "web/layer/raster_backend.h"

#include <array>
#include <vector>

namespace tessivo::gllayer {

// The width GL rasterises a non-antialiased line at: the nearest whole number of pixels, at
// least one.
float rasterisedLineWidth(float width);

// Appends the two triangles that cover the line from a to b (clip coordinates) as GL draws it
// width pixels wide in the viewport (x, y, width, height). GL widens a line along the window's
// minor axis, not across the line: an x-major line becomes a parallelogram width pixels tall,
// a y-major one width pixels wide, and it ends with the first and last columns (rows) that
// GL's one-pixel line would fill. Each corner keeps its end's colour, depth and texture
// coordinate. The part of the line behind the near plane is cut off first.
void appendWideLine(const RasterVertex& a, const RasterVertex& b,
                    const std::array<int, 4>& viewport, float width,
                    std::vector<RasterVertex>& triangles);

} // namespace tessivo::gllayer
