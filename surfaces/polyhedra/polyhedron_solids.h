#pragma once

#include "surfaces/polyhedra/half_edge_mesh.h"

namespace tessivo {

// The three solids of the polyhedra pairs, each centred on the origin with all its vertices at
// one distance from it. The tetrahedron's and the cube's faces are listed counter-clockwise as
// seen from outside, the icosahedron's clockwise; the scenes light both sides, so this does not
// show.

// Vertices (-1, -1, -1), (1, 1, -1), (1, -1, 1), (-1, 1, 1): every other corner of the cube,
// edge length 2 sqrt(2), at distance sqrt(3).
HalfEdgeMesh makeTetrahedron();

// Vertex i has x, y, z = +1 or -1 by bits 0, 1, 2 of i. Faces: z = -1, z = +1, x = -1, y = +1,
// x = +1, y = -1, so opposite faces are 0/1, 2/4 and 3/5.
HalfEdgeMesh makeCube();

// The twelve points (+-t, 0, +-1), (0, +-1, +-t), (+-1, +-t, 0) with t = (sqrt 5 - 1) / 2, the
// golden ratio's inverse: three golden rectangles at right angles. Every edge has length 2t.
HalfEdgeMesh makeIcosahedron();

} // namespace tessivo
