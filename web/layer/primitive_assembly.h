#pragma once

#include "web/layer/raster_backend.h"

#include <vector>

namespace tessivo::gllayer {

// What a glBegin/glEnd (or glDrawArrays) of count vertices in a GL mode amounts to: independent
// triangles, lines or points, as indices into the vertices. Triangles keep the winding of the
// primitive they come from, so that front and back faces stay as GL decides them. Incomplete
// trailing vertices are dropped, as GL drops them.
struct AssembledPrimitives {
    Primitive kind = Primitive::Triangles;
    std::vector<int> indices;
};

AssembledPrimitives assemblePrimitives(unsigned mode, int count);

} // namespace tessivo::gllayer
