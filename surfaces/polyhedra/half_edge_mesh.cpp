#include "surfaces/polyhedra/half_edge_mesh.h"

#include <map>
#include <set>

namespace tessivo {

namespace {

const MeshVertex noVertex{};
const HalfEdge noHalfEdge{};
const MeshFace noFace{};

template <typename T> bool inRange(int i, const std::vector<T>& array) {
    return i >= 0 && static_cast<size_t>(i) < array.size();
}

} // namespace

bool HalfEdgeMesh::acceptsFaceList(int pointCount, const std::vector<int>& faceList) {
    std::set<std::pair<int, int>> directedEdges;
    size_t at = 0;
    while (at < faceList.size()) {
        const int n = faceList[at++];
        if (n < 3 || static_cast<size_t>(n) > faceList.size() - at) {
            return false;
        }
        std::set<int> corners;
        for (int j = 0; j < n; ++j) {
            const int q = faceList[at + j];
            if (q < 0 || q >= pointCount || !corners.insert(q).second) {
                return false;
            }
        }
        int prev = faceList[at + n - 1];
        for (int j = 0; j < n; ++j) {
            const int cur = faceList[at + j];
            if (!directedEdges.insert({prev, cur}).second) {
                return false;
            }
            prev = cur;
        }
        at += n;
    }
    return true;
}

HalfEdgeMesh::HalfEdgeMesh(const std::vector<Vec3>& points, const std::vector<int>& faceList) {
    vertices.reserve(points.size());
    for (const Vec3& p : points) {
        vertices.push_back({p, -1});
    }
    if (!acceptsFaceList(vertexCount(), faceList)) {
        return;
    }

    // Which half-edge runs from one vertex to another; needed only while the faces are read, to
    // find the twin that a neighbouring face created before.
    std::map<std::pair<int, int>, int> halfEdgeFromTo;
    size_t at = 0;
    while (at < faceList.size()) {
        const int n = faceList[at++];
        const int f = faceCount();
        int first = -1;
        int previousHalfEdge = -1;
        int prev = faceList[at + n - 1];
        for (int j = 0; j < n; ++j) {
            const int cur = faceList[at + j];
            int h;
            const auto found = halfEdgeFromTo.find({prev, cur});
            if (found == halfEdgeFromTo.end()) {
                h = halfEdgeCount();
                halfEdges.push_back({h + 1, -1, cur, f});
                halfEdges.push_back({h, -1, prev, -1});
                halfEdgeFromTo[{prev, cur}] = h;
                halfEdgeFromTo[{cur, prev}] = h + 1;
            } else {
                h = found->second;
                halfEdges[h].face = f;
            }
            if (j == 0) {
                first = h;
            } else {
                halfEdges[previousHalfEdge].next = h;
            }
            if (vertices[cur].halfEdge == -1) {
                vertices[cur].halfEdge = h;
            }
            previousHalfEdge = h;
            prev = cur;
        }
        halfEdges[previousHalfEdge].next = first;
        faces.push_back({first});
        at += n;
    }
}

const MeshVertex& HalfEdgeMesh::vertex(int v) const {
    return inRange(v, vertices) ? vertices[v] : noVertex;
}

const HalfEdge& HalfEdgeMesh::halfEdge(int h) const {
    return inRange(h, halfEdges) ? halfEdges[h] : noHalfEdge;
}

const MeshFace& HalfEdgeMesh::face(int f) const {
    return inRange(f, faces) ? faces[f] : noFace;
}

Vec3 HalfEdgeMesh::vertexPosition(int v) const {
    return vertex(v).position;
}

void HalfEdgeMesh::setVertexPosition(int v, const Vec3& position) {
    if (inRange(v, vertices)) {
        vertices[v].position = position;
    }
}

int HalfEdgeMesh::vertexRing(int v, std::vector<int>& out) const {
    const int start = vertex(v).halfEdge;
    int h = start;
    for (int appended = 0; inRange(h, halfEdges) && appended < ringCap; ++appended) {
        out.push_back(h);
        // next(h) leaves v along the same face; its twin comes back into v from the following
        // face around v. A boundary half-edge has no next: the fan ends there.
        h = halfEdge(halfEdge(h).next).twin;
        if (h == start) {
            break;
        }
    }
    return static_cast<int>(out.size());
}

int HalfEdgeMesh::faceRing(int f, std::vector<int>& out) const {
    const int start = face(f).halfEdge;
    int h = start;
    for (int appended = 0; inRange(h, halfEdges) && appended < ringCap; ++appended) {
        out.push_back(h);
        h = halfEdges[h].next;
        if (h == start) {
            break;
        }
    }
    return static_cast<int>(out.size());
}

int HalfEdgeMesh::facesAroundVertex(int v, std::vector<int>& out) const {
    const size_t from = out.size();
    vertexRing(v, out);
    for (size_t i = from; i < out.size(); ++i) {
        out[i] = halfEdges[out[i]].face;
    }
    return static_cast<int>(out.size());
}

int HalfEdgeMesh::faceVertices(int f, std::vector<int>& out) const {
    const size_t from = out.size();
    faceRing(f, out);
    for (size_t i = from; i < out.size(); ++i) {
        out[i] = halfEdges[out[i]].vertex;
    }
    return static_cast<int>(out.size());
}

Vec3 HalfEdgeMesh::faceCentre(int f) const {
    std::vector<int> corners;
    if (faceVertices(f, corners) == 0) {
        return {};
    }
    Vec3 sum;
    for (int v : corners) {
        sum = sum + vertexPosition(v);
    }
    return sum / static_cast<double>(corners.size());
}

std::pair<int, int> HalfEdgeMesh::edgeEndpoints(int h) const {
    if (!inRange(h, halfEdges)) {
        return {-1, -1};
    }
    return {halfEdges[h].vertex, halfEdge(halfEdges[h].twin).vertex};
}

std::pair<int, int> HalfEdgeMesh::edgeFaces(int h) const {
    if (!inRange(h, halfEdges)) {
        return {-1, -1};
    }
    return {halfEdges[h].face, halfEdge(halfEdges[h].twin).face};
}

bool HalfEdgeMesh::isClosed() const {
    for (const HalfEdge& h : halfEdges) {
        if (h.face < 0 || h.next < 0) {
            return false;
        }
    }
    for (const MeshVertex& v : vertices) {
        if (v.halfEdge < 0) {
            return false;
        }
    }
    return true;
}

} // namespace tessivo
