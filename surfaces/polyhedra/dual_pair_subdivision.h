#pragma once

#include "math/vec3.h"
#include "surfaces/polyhedra/half_edge_mesh.h"

#include <vector>

namespace tessivo {

// The radius of the sphere on which a solid and its dual have their vertices.
constexpr double dualSphereRadius = 2.0;

// A solid M (V vertices, E edges, F faces) and its dual cut into the same flag triangles. A flag
// triangle joins the centre of a face f, a vertex v of f and the midpoint of an edge of f at v;
// on the dual the same triangle joins the dual vertex of f, the centre of the dual face of v and
// the midpoint of the dual edge crossing that edge. So the two point lists share one index
// range: 0..V-1 for the vertices of M, V..V+E-1 for its edges (edge k at V + k) and
// V+E..V+E+F-1 for its faces (face f at V+E+f), and a triangle moves linearly between its two
// places by interpolating its corners index by index.
struct DualPairSubdivision {
    // P: the vertices, edge midpoints and face centres of the solid.
    std::vector<Vec3> solidPoints;
    // Q: the dual's face centres (for the vertices of M), edge midpoints and vertices (for the
    // faces of M, on the sphere of radius dualSphereRadius).
    std::vector<Vec3> dualPoints;
    // The flag triangles as a face list (3, a, b, c per triangle), two per half-edge of M, 4E in
    // all, in the order of M's faces and of each face's ring.
    std::vector<int> triangles;
    // One tag per triangle, flag face * 10000 + flag vertex * 100 + (0 or 1).
    std::vector<int> tags;
    // The triangles built on solidPoints; face i of it is triangle i.
    HalfEdgeMesh mesh;
};

// The face and the vertex of the solid that a triangle's tag names.
inline int flagFace(int tag) {
    return tag / 10000;
}
inline int flagVertex(int tag) {
    return (tag / 100) % 100;
}

// Builds the dual-pair subdivision of a closed mesh with fewer than 100 vertices (the tags have
// two decimal digits for the vertex). For any other mesh (open, rejected at construction, or
// too large to tag) the result is empty: no points, no triangles. A face centre at the origin
// has no direction to scale to the sphere; its dual vertex stays at the origin.
DualPairSubdivision dualPairSubdivision(const HalfEdgeMesh& solid);

} // namespace tessivo
