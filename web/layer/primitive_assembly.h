#pragma once

#include <GL/gl.h>
#include <vector>

namespace tessivo::gllayer {

// What a glBegin/glEnd (or glDrawArrays) of count vertices in a GL mode amounts to: independent
// triangles or lines (kind GL_TRIANGLES or GL_LINES), as indices into the vertices. Triangles
// keep the winding of the primitive they come from, so that front and back faces stay as GL
// decides them. Incomplete trailing vertices are dropped, as GL drops them.
struct AssembledPrimitives {
    GLenum kind = GL_TRIANGLES;
    std::vector<int> indices;
};

// Whether the layer draws the mode: GL 1.1's modes but points and independent quads, which the
// program never draws.
bool assemblesPrimitives(GLenum mode);
AssembledPrimitives assemblePrimitives(GLenum mode, int count);
// The same into result, whose storage is kept from call to call.
void assemblePrimitives(GLenum mode, int count, AssembledPrimitives& result);

} // namespace tessivo::gllayer
