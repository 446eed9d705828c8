#pragma once

#include "surfaces/polyhedra/dual_pair_geometry.h"

#include <vector>

namespace tessivo {

// Draws the tiles of a polyhedra pair at the current matrix: each one a polygon with its normal
// in its colour (ambient and diffuse, front and back), then outlined by three black rods of
// radius 0.01 along its sides. Lighting is expected on.
void drawDualPairTriangles(const std::vector<MorphTriangle>& tiles);

// One frame of a polyhedra pair: the tiles of dualPairTriangles drawn as above.
void drawDualPair(const HalfEdgeMesh& solid, ColourTable faceColours, ColourTable vertexColours,
                  double t);

} // namespace tessivo
