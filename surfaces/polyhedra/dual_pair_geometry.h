#pragma once

#include "math/vec3.h"
#include "surfaces/polyhedra/half_edge_mesh.h"

#include <array>
#include <cstddef>
#include <vector>

namespace tessivo {

// The colours of the polyhedra pairs: red, green, blue, yellow, cyan, magenta, orange.
constexpr std::array<Vec3, 7> dualPalette = {Vec3{1, 0, 0},  Vec3{0, 1, 0}, Vec3{0, 0, 1},
                                             Vec3{1, 1, 0},  Vec3{0, 1, 1}, Vec3{1, 0, 1},
                                             Vec3{1, 0.5, 0}};

// The colour of the tiles' outlines.
constexpr Vec3 dualOutlineColour = {0, 0, 0};

// A read-only view of a constant table of dualPalette indices, one per face or per vertex of a
// solid.
struct ColourTable {
    const int* entries = nullptr;
    std::size_t size = 0;

    constexpr ColourTable() = default;
    template <std::size_t N>
    constexpr ColourTable(const std::array<int, N>& table) : entries(table.data()), size(N) {}
};

// The tables of the three pairs. The tetrahedron gives every face and vertex a colour of its
// own; the cube's opposite faces share a colour and its vertices alternate by the parity of
// their index bits, so the octahedron's faces are red and green; the icosahedron's faces run
// through five colours and its vertices through six.
constexpr std::array<int, 4> tetrahedronColours = {0, 1, 2, 3};
constexpr std::array<int, 6> cubeFaceColours = {0, 0, 1, 2, 1, 2};
constexpr std::array<int, 8> cubeVertexColours = {0, 1, 1, 0, 1, 0, 0, 1};
constexpr std::array<int, 20> icosahedronFaceColours = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4,
                                                        0, 1, 2, 3, 4, 0, 1, 2, 3, 4};
constexpr std::array<int, 12> icosahedronVertexColours = {0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5};

// Colour of entry i of a table: the palette entry it names. An index outside the table, or a
// table entry outside the palette, gives mid grey, so a table that does not fit its solid shows
// as grey tiles instead of reading past its end.
Vec3 tableColour(const ColourTable& table, int i);

// Scales the mesh about the origin so that vertex 0 lies at the given distance from it (every
// vertex of the three solids is as far out as vertex 0). A mesh without vertices, or whose
// vertex 0 sits at the origin, is left as it is.
void scaleToRadius(HalfEdgeMesh& mesh, double radius);

// One tile of a polyhedra pair as drawn in one frame.
struct MorphTriangle {
    std::array<Vec3, 3> corners;
    // Unit normal of (E1 - E0) x (E2 - E0).
    Vec3 normal;
    Vec3 colour;
};

// The tiles of a solid (already scaled to radius dualSphereRadius) and its dual at morph
// parameter t: 0 shows the dual, 1 the solid. Each flag triangle of the dual-pair subdivision
// moves its corners linearly from the dual (Q) to the solid (P), is shrunk by a tenth towards
// its centroid on the solid, and blends from its dual face's colour (vertexColours of its flag
// vertex) to its solid face's colour (faceColours of its flag face). 4E tiles in subdivision
// order; none for a mesh the subdivision refuses. A tile whose corners fall on one line has no
// normal of its own and takes the direction from the origin to its centroid, or (0, 0, 1) if
// that is zero too. t is used as given; values outside [0, 1] extrapolate.
std::vector<MorphTriangle> dualPairTriangles(const HalfEdgeMesh& solid, ColourTable faceColours,
                                             ColourTable vertexColours, double t);

} // namespace tessivo
