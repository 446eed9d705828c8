#include "surfaces/polyhedra/dual_pair_subdivision.h"

namespace tessivo {

DualPairSubdivision dualPairSubdivision(const HalfEdgeMesh& solid) {
    DualPairSubdivision result;
    const int vertexCount = solid.vertexCount();
    const int edgeCount = solid.edgeCount();
    const int faceCount = solid.faceCount();
    if (!solid.isClosed() || vertexCount >= 100) {
        return result;
    }
    const int edgeBase = vertexCount;
    const int faceBase = vertexCount + edgeCount;
    const int pointCount = faceBase + faceCount;

    // The solid: vertices, edge midpoints, face centres.
    std::vector<Vec3>& p = result.solidPoints;
    p.resize(static_cast<size_t>(pointCount));
    for (int v = 0; v < vertexCount; ++v) {
        p[v] = solid.vertexPosition(v);
    }
    for (int k = 0; k < edgeCount; ++k) {
        const auto [head, tail] = solid.edgeEndpoints(2 * k);
        p[edgeBase + k] = 0.5 * (solid.vertexPosition(head) + solid.vertexPosition(tail));
    }
    for (int f = 0; f < faceCount; ++f) {
        p[faceBase + f] = solid.faceCentre(f);
    }

    // Two flag triangles per half-edge: the half-edge's head and tail each make one with the
    // face centre and the edge midpoint.
    for (int f = 0; f < faceCount; ++f) {
        std::vector<int> ring;
        solid.faceRing(f, ring);
        const int c = faceBase + f;
        for (int h : ring) {
            const auto [head, tail] = solid.edgeEndpoints(h);
            const int m = edgeBase + h / 2;
            result.triangles.insert(result.triangles.end(), {3, c, head, m});
            result.tags.push_back(f * 10000 + head * 100 + 0);
            result.triangles.insert(result.triangles.end(), {3, c, m, tail});
            result.tags.push_back(f * 10000 + tail * 100 + 1);
        }
    }
    result.mesh = HalfEdgeMesh(p, result.triangles);

    // The dual: its vertices sit on the sphere above the solid's face centres; its face for a
    // vertex v is centred on the mean of the dual vertices around v, and its edge crossing edge
    // k has its midpoint between the dual vertices of the two faces of k.
    std::vector<Vec3>& q = result.dualPoints;
    q.resize(static_cast<size_t>(pointCount));
    for (int f = 0; f < faceCount; ++f) {
        const Vec3 centre = p[faceBase + f];
        const double distance = length(centre);
        q[faceBase + f] = distance > 0.0 ? (dualSphereRadius / distance) * centre : Vec3{};
    }
    for (int v = 0; v < vertexCount; ++v) {
        std::vector<int> around;
        solid.facesAroundVertex(v, around);
        Vec3 sum;
        for (int f : around) {
            sum = sum + q[faceBase + f];
        }
        // A closed mesh has at least one face around every vertex.
        q[v] = sum / static_cast<double>(around.size());
    }
    for (int k = 0; k < edgeCount; ++k) {
        const auto [f1, f2] = solid.edgeFaces(2 * k);
        q[edgeBase + k] = 0.5 * (q[faceBase + f1] + q[faceBase + f2]);
    }
    return result;
}

} // namespace tessivo
