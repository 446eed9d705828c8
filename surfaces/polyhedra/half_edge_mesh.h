#pragma once

#include "math/vec3.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace tessivo {

// One vertex of a HalfEdgeMesh: its point and one half-edge that ends at it (the first one met
// while the faces were read), -1 while the vertex belongs to no face.
struct MeshVertex {
    Vec3 position;
    std::int32_t halfEdge = -1;
};

// One directed side of an edge. Half-edges 2k and 2k+1 are twins and together form edge k.
// `vertex` is the head; the tail is the head of the twin. A half-edge on the boundary of an open
// mesh keeps face and next at -1.
struct HalfEdge {
    std::int32_t twin = -1;
    std::int32_t next = -1;
    std::int32_t vertex = -1;
    std::int32_t face = -1;
};

// One face: the half-edge that leads into its first listed corner.
struct MeshFace {
    std::int32_t halfEdge = -1;
};

// A polygon mesh with half-edge connectivity, built from a point list and a flat face list: for
// each face its corner count n, then its n vertex indices in walking order (two triangles read
// 3, a, b, c, 3, d, e, f). Face f's half-edges run q(n-1)->q0, q0->q1, ..., so faceVertices(f)
// gives q0, q1, ..., q(n-1) back in the listed order. Edges are numbered in the order in which
// they are first met; half-edge 2k runs the way the first face using edge k lists it.
//
// A face list is accepted when every face has at least 3 corners, the list holds all the
// corners it announces, every index lies in the point list, no face names a vertex twice, and
// no ordered pair (from, to) occurs in two faces (consistent orientation). A list that breaks
// any of these is rejected as a whole: the mesh keeps its points and has no faces and no
// half-edges, so every traversal on it comes back empty.
//
// All queries take any index: an index outside the arrays yields an empty ring, a zero vector,
// or the pair (-1, -1). Both ring walks stop at ringCap entries and at a missing link, so an open
// mesh (boundary half-edges without face and next) cannot make them loop or read out of range.
class HalfEdgeMesh {
public:
    static constexpr int ringCap = 1000;

    HalfEdgeMesh() = default;
    HalfEdgeMesh(const std::vector<Vec3>& points, const std::vector<int>& faceList);

    // Whether the constructor accepts faceList for a mesh of pointCount points (see above).
    static bool acceptsFaceList(int pointCount, const std::vector<int>& faceList);

    int vertexCount() const { return static_cast<int>(vertices.size()); }
    int halfEdgeCount() const { return static_cast<int>(halfEdges.size()); }
    int edgeCount() const { return halfEdgeCount() / 2; }
    int faceCount() const { return static_cast<int>(faces.size()); }

    // The records themselves; an index out of range gives a record whose links are all -1.
    const MeshVertex& vertex(int v) const;
    const HalfEdge& halfEdge(int h) const;
    const MeshFace& face(int f) const;

    // The point of vertex v; (0, 0, 0) for an index out of range.
    Vec3 vertexPosition(int v) const;
    // Moves vertex v; ignored for an index out of range. Connectivity never changes.
    void setVertexPosition(int v, const Vec3& position);

    // Appends the half-edges that end at v, turning around v by twin(next(h)) until the walk
    // returns to its start, meets a boundary, or ringCap entries are appended. Returns the
    // length of out (callers pass an empty list). On an open mesh the walk ends with the
    // boundary half-edge where the fan of faces breaks off (it ends at v but has no face).
    int vertexRing(int v, std::vector<int>& out) const;
    // Appends the half-edges of face f in next order, with the same stopping rules.
    int faceRing(int f, std::vector<int>& out) const;
    // vertexRing with each half-edge replaced by its face (-1 for that boundary half-edge).
    int facesAroundVertex(int v, std::vector<int>& out) const;
    // faceRing with each half-edge replaced by its head.
    int faceVertices(int f, std::vector<int>& out) const;

    // Arithmetic mean of the positions of faceVertices(f); (0, 0, 0) for a face with no ring.
    Vec3 faceCentre(int f) const;

    // (head of h, head of its twin) = (head, tail); (-1, -1) for an index out of range.
    std::pair<int, int> edgeEndpoints(int h) const;
    // (face of h, face of its twin); -1 stands for the open side of a boundary edge.
    std::pair<int, int> edgeFaces(int h) const;

    // True when every half-edge has a face and a next and every vertex lies on a face: the mesh
    // is closed and every traversal is defined.
    bool isClosed() const;

private:
    std::vector<MeshVertex> vertices;
    std::vector<HalfEdge> halfEdges;
    std::vector<MeshFace> faces;
};

} // namespace tessivo
