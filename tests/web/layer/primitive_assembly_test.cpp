#include "web/layer/primitive_assembly.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace tessivo::gllayer {
namespace {

TEST(PrimitiveAssembly, QuadStripsAndPolygonsBecomeTrianglesOfTheSameWinding) {
    // Strip vertices 0..5 make the quads 0-1-3-2 and 2-3-5-4, each in two triangles.
    EXPECT_EQ(assemblePrimitives(GL_QUAD_STRIP, 6).indices,
              (std::vector<int>{0, 1, 3, 0, 3, 2, 2, 3, 5, 2, 5, 4}));
    EXPECT_EQ(assemblePrimitives(GL_QUAD_STRIP, 5).indices.size(), 6u); // odd vertex dropped
    EXPECT_EQ(assemblePrimitives(GL_POLYGON, 5).indices,
              (std::vector<int>{0, 1, 2, 0, 2, 3, 0, 3, 4}));
    EXPECT_EQ(assemblePrimitives(GL_TRIANGLE_STRIP, 5).indices,
              (std::vector<int>{0, 1, 2, 2, 1, 3, 2, 3, 4}));
}

TEST(PrimitiveAssembly, LineModesBecomeSegments) {
    const AssembledPrimitives loop = assemblePrimitives(GL_LINE_LOOP, 3);
    EXPECT_EQ(loop.kind, static_cast<GLenum>(GL_LINES));
    EXPECT_EQ(loop.indices, (std::vector<int>{0, 1, 1, 2, 2, 0}));
    EXPECT_EQ(assemblePrimitives(GL_LINE_STRIP, 3).indices, (std::vector<int>{0, 1, 1, 2}));
    EXPECT_EQ(assemblePrimitives(GL_LINES, 5).indices, (std::vector<int>{0, 1, 2, 3}));
}

} // namespace
} // namespace tessivo::gllayer
