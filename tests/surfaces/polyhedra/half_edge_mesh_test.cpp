#include "surfaces/polyhedra/half_edge_mesh.h"
#include "surfaces/polyhedra/polyhedron_solids.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>

namespace tessivo {
namespace {

struct SolidCase {
    std::string name;
    std::function<HalfEdgeMesh()> build;
    int vertices, edges, faces;
    int vertexDegree, faceCorners;
    double edgeLength;
    // +1 when faces are listed counter-clockwise seen from outside, -1 for clockwise.
    double orientation;
};

void PrintTo(const SolidCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<SolidCase> solids() {
    const double t = (std::sqrt(5.0) - 1.0) / 2.0;
    return {{"tetrahedron", makeTetrahedron, 4, 6, 4, 3, 3, 2.0 * std::sqrt(2.0), +1.0},
            {"cube", makeCube, 8, 12, 6, 3, 4, 2.0, +1.0},
            {"icosahedron", makeIcosahedron, 12, 30, 20, 5, 3, 2.0 * t, -1.0}};
}

class Solid : public ::testing::TestWithParam<SolidCase> {};

TEST_P(Solid, HasTheCountsOfItsKind) {
    const SolidCase& c = GetParam();
    const HalfEdgeMesh mesh = c.build();
    EXPECT_EQ(mesh.vertexCount(), c.vertices);
    EXPECT_EQ(mesh.edgeCount(), c.edges);
    EXPECT_EQ(mesh.halfEdgeCount(), 2 * c.edges);
    EXPECT_EQ(mesh.faceCount(), c.faces);
    EXPECT_TRUE(mesh.isClosed());
    for (int v = 0; v < mesh.vertexCount(); ++v) {
        std::vector<int> ring;
        EXPECT_EQ(mesh.vertexRing(v, ring), c.vertexDegree) << "vertex " << v;
    }
    for (int f = 0; f < mesh.faceCount(); ++f) {
        std::vector<int> ring;
        EXPECT_EQ(mesh.faceRing(f, ring), c.faceCorners) << "face " << f;
    }
}

TEST_P(Solid, LinksAreConsistent) {
    const HalfEdgeMesh mesh = GetParam().build();
    for (int h = 0; h < mesh.halfEdgeCount(); ++h) {
        const HalfEdge& e = mesh.halfEdge(h);
        EXPECT_EQ(e.twin, h ^ 1) << "half-edges 2k and 2k+1 are twins";
        EXPECT_EQ(mesh.halfEdge(e.twin).twin, h);
        EXPECT_NE(e.vertex, mesh.halfEdge(e.twin).vertex);
        // The first face that uses an edge owns its even half-edge.
        if (h % 2 == 0) {
            EXPECT_LT(e.face, mesh.halfEdge(h + 1).face);
        }
    }
    for (int f = 0; f < mesh.faceCount(); ++f) {
        std::vector<int> ring;
        const int n = mesh.faceRing(f, ring);
        // next closes the face after as many steps as it has corners.
        EXPECT_EQ(mesh.halfEdge(ring[n - 1]).next, mesh.face(f).halfEdge);
        for (int i = 0; i < n; ++i) {
            const int h = ring[i];
            const int before = ring[(i + n - 1) % n];
            EXPECT_EQ(mesh.halfEdge(h).face, f);
            // The tail of a half-edge (its twin's head) is where the one before it ended.
            EXPECT_EQ(mesh.halfEdge(mesh.halfEdge(h).twin).vertex, mesh.halfEdge(before).vertex);
            EXPECT_EQ(mesh.edgeEndpoints(h).second, mesh.halfEdge(before).vertex);
        }
    }
    for (int v = 0; v < mesh.vertexCount(); ++v) {
        std::vector<int> ring, around;
        mesh.vertexRing(v, ring);
        mesh.facesAroundVertex(v, around);
        std::set<int> distinctFaces(around.begin(), around.end());
        EXPECT_EQ(distinctFaces.size(), ring.size()) << "each face once around vertex " << v;
        for (size_t i = 0; i < ring.size(); ++i) {
            EXPECT_EQ(mesh.halfEdge(ring[i]).vertex, v);
            std::vector<int> corners;
            mesh.faceVertices(around[i], corners);
            EXPECT_NE(std::find(corners.begin(), corners.end(), v), corners.end());
        }
    }
}

TEST_P(Solid, IsRegularAndOrientedAsListed) {
    const SolidCase& c = GetParam();
    const HalfEdgeMesh mesh = c.build();
    const double radius = length(mesh.vertexPosition(0));
    for (int v = 0; v < mesh.vertexCount(); ++v) {
        EXPECT_NEAR(length(mesh.vertexPosition(v)), radius, 1e-12);
    }
    for (int h = 0; h < mesh.halfEdgeCount(); ++h) {
        const auto [head, tail] = mesh.edgeEndpoints(h);
        EXPECT_NEAR(length(mesh.vertexPosition(head) - mesh.vertexPosition(tail)), c.edgeLength,
                    1e-12);
    }
    for (int f = 0; f < mesh.faceCount(); ++f) {
        std::vector<int> q;
        mesh.faceVertices(f, q);
        const Vec3 a = mesh.vertexPosition(q[0]);
        const Vec3 turn = cross(mesh.vertexPosition(q[1]) - a, mesh.vertexPosition(q[2]) - a);
        EXPECT_GT(c.orientation * dot(turn, mesh.faceCentre(f)), 0.0) << "face " << f;
        // Every corner lies in the face's plane.
        for (int v : q) {
            EXPECT_NEAR(dot(mesh.vertexPosition(v) - a, turn), 0.0, 1e-12);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ThreeSolids, Solid, ::testing::ValuesIn(solids()),
                         [](const auto& info) { return info.param.name; });

TEST(HalfEdgeMesh, CubeFirstFaceCreatesTheFirstEightHalfEdges) {
    const HalfEdgeMesh cube = makeCube();
    EXPECT_EQ(cube.face(0).halfEdge, 0);
    const std::pair<int, int> runs[4] = {{1, 0}, {0, 2}, {2, 3}, {3, 1}};
    for (int i = 0; i < 4; ++i) {
        // (head, tail) of half-edge 2i, and the face that lists it.
        EXPECT_EQ(cube.edgeEndpoints(2 * i), std::make_pair(runs[i].second, runs[i].first));
        EXPECT_EQ(cube.halfEdge(2 * i).face, 0);
        EXPECT_EQ(cube.halfEdge(2 * i).next, 2 * ((i + 1) % 4));
        EXPECT_EQ(cube.edgeEndpoints(2 * i + 1), std::make_pair(runs[i].first, runs[i].second));
    }
    std::vector<int> corners;
    EXPECT_EQ(cube.faceVertices(0, corners), 4);
    EXPECT_EQ(corners, (std::vector<int>{0, 2, 3, 1}));
    EXPECT_NEAR(cube.faceCentre(0).z, -1.0, 1e-15);
    EXPECT_NEAR(cube.faceCentre(0).x, 0.0, 1e-15);
}

// Two n-gons glued back to back, and a double cone over an n-gon whose apexes have degree n.
HalfEdgeMesh dihedron(int n) {
    std::vector<Vec3> points;
    std::vector<int> faces = {n};
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * M_PI * i / n;
        points.push_back({std::cos(a), std::sin(a), 0.0});
        faces.push_back(i);
    }
    faces.push_back(n);
    for (int i = n - 1; i >= 0; --i) {
        faces.push_back(i);
    }
    return HalfEdgeMesh(points, faces);
}

HalfEdgeMesh bipyramid(int n) {
    std::vector<Vec3> points;
    std::vector<int> faces;
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * M_PI * i / n;
        points.push_back({std::cos(a), std::sin(a), 0.0});
        faces.insert(faces.end(), {3, i, (i + 1) % n, n, 3, (i + 1) % n, i, n + 1});
    }
    points.push_back({0, 0, 1});
    points.push_back({0, 0, -1});
    return HalfEdgeMesh(points, faces);
}

TEST(HalfEdgeMesh, RingsStopAtTheCap) {
    const HalfEdgeMesh flat = dihedron(1500);
    ASSERT_EQ(flat.faceCount(), 2);
    ASSERT_TRUE(flat.isClosed());
    std::vector<int> ring;
    EXPECT_EQ(flat.faceRing(0, ring), HalfEdgeMesh::ringCap);
    std::vector<int> corners;
    EXPECT_EQ(flat.faceVertices(1, corners), HalfEdgeMesh::ringCap);
    std::vector<int> around;
    EXPECT_EQ(flat.vertexRing(7, around), 2);

    const HalfEdgeMesh cone = bipyramid(1500);
    ASSERT_TRUE(cone.isClosed());
    std::vector<int> apex;
    EXPECT_EQ(cone.vertexRing(1500, apex), HalfEdgeMesh::ringCap);
    std::vector<int> small;
    EXPECT_EQ(bipyramid(999).vertexRing(999, small), 999);
}

TEST(HalfEdgeMesh, RejectsAFaceListThatCannotBeAClosedOrientedSurface) {
    const std::vector<Vec3> points(4);
    const std::vector<std::vector<int>> bad = {
        {3, 0, 1, 2, 2, 0, 1},          // a face with two corners
        {3, 0, 1, 2, 3, 0, 1},          // the list ends inside a face
        {3, 0, 1, 4},                   // index past the points
        {3, 0, -1, 2},                  // negative index
        {3, 0, 1, 1},                   // a corner twice (a zero-length edge)
        {4, 0, 1, 0, 2},                // a vertex twice in a face
        {3, 0, 1, 2, 3, 0, 1, 3},       // the directed edge 0->1 in two faces
        {3, 0, 1, 2, -3, 0, 1, 2},      // a negative corner count
        {3, 0, 1, 2, 2147483647, 0, 1}, // a corner count far past the list
    };
    for (const auto& faces : bad) {
        EXPECT_FALSE(HalfEdgeMesh::acceptsFaceList(4, faces));
        const HalfEdgeMesh mesh(points, faces);
        EXPECT_EQ(mesh.vertexCount(), 4);
        EXPECT_EQ(mesh.faceCount(), 0);
        EXPECT_EQ(mesh.halfEdgeCount(), 0);
        std::vector<int> ring;
        EXPECT_EQ(mesh.vertexRing(0, ring), 0);
        EXPECT_FALSE(mesh.isClosed());
    }
    EXPECT_TRUE(HalfEdgeMesh::acceptsFaceList(4, {}));
    EXPECT_TRUE(HalfEdgeMesh::acceptsFaceList(4, {3, 0, 1, 2, 3, 0, 2, 3}));
}

TEST(HalfEdgeMesh, OpenMeshKeepsItsBoundaryUnlinkedAndStaysWalkable) {
    const HalfEdgeMesh triangle({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {3, 0, 1, 2});
    EXPECT_EQ(triangle.halfEdgeCount(), 6);
    EXPECT_FALSE(triangle.isClosed());
    for (int h = 1; h < 6; h += 2) {
        EXPECT_EQ(triangle.halfEdge(h).face, -1);
        EXPECT_EQ(triangle.halfEdge(h).next, -1);
        EXPECT_EQ(triangle.edgeFaces(h), std::make_pair(-1, 0));
    }
    for (int v = 0; v < 3; ++v) {
        // The face's half-edge into v, then the boundary half-edge into v, where the fan ends.
        std::vector<int> ring, around;
        EXPECT_EQ(triangle.vertexRing(v, ring), 2);
        EXPECT_EQ(triangle.halfEdge(ring[1]).vertex, v);
        triangle.facesAroundVertex(v, around);
        EXPECT_EQ(around, (std::vector<int>{0, -1}));
    }

    // Random patches of triangles: whatever is accepted, every walk stays in range and ends.
    std::mt19937 random(5);
    for (int trial = 0; trial < 300; ++trial) {
        const int pointCount = 3 + static_cast<int>(random() % 8);
        std::uniform_int_distribution<int> corner(0, pointCount - 1);
        std::vector<int> faces;
        const int faceCount = 1 + static_cast<int>(random() % 10);
        for (int f = 0; f < faceCount; ++f) {
            faces.insert(faces.end(), {3, corner(random), corner(random), corner(random)});
            if (!HalfEdgeMesh::acceptsFaceList(pointCount, faces)) {
                faces.resize(faces.size() - 4);
            }
        }
        const HalfEdgeMesh mesh(std::vector<Vec3>(static_cast<size_t>(pointCount)), faces);
        EXPECT_EQ(mesh.faceCount() * 4, static_cast<int>(faces.size()));
        for (int v = 0; v < mesh.vertexCount(); ++v) {
            std::vector<int> ring;
            mesh.facesAroundVertex(v, ring);
            EXPECT_LE(ring.size(), static_cast<size_t>(mesh.faceCount()) + 1);
            for (size_t i = 0; i < ring.size(); ++i) {
                // Only the last entry may be the open side of a boundary.
                const int f = ring[i];
                EXPECT_TRUE((f >= 0 || i + 1 == ring.size()) && f < mesh.faceCount());
            }
        }
        for (int f = 0; f < mesh.faceCount(); ++f) {
            std::vector<int> corners;
            EXPECT_EQ(mesh.faceVertices(f, corners), 3);
            EXPECT_TRUE(std::equal(corners.begin(), corners.end(), faces.begin() + 4 * f + 1));
        }
    }
}

TEST(HalfEdgeMesh, QueriesOutsideTheArraysAnswerNone) {
    HalfEdgeMesh cube = makeCube();
    std::vector<int> out;
    EXPECT_EQ(cube.vertexRing(-1, out), 0);
    EXPECT_EQ(cube.vertexRing(8, out), 0);
    EXPECT_EQ(cube.faceRing(6, out), 0);
    EXPECT_EQ(cube.faceVertices(-3, out), 0);
    EXPECT_EQ(cube.facesAroundVertex(100, out), 0);
    EXPECT_EQ(cube.edgeEndpoints(24), std::make_pair(-1, -1));
    EXPECT_EQ(cube.edgeFaces(-1), std::make_pair(-1, -1));
    EXPECT_EQ(length(cube.faceCentre(6)), 0.0);
    EXPECT_EQ(length(cube.vertexPosition(8)), 0.0);
    cube.setVertexPosition(8, {5, 5, 5});
    cube.setVertexPosition(-1, {5, 5, 5});
    cube.setVertexPosition(7, {2, 2, 2});
    EXPECT_EQ(cube.vertexPosition(7).x, 2.0);
    EXPECT_EQ(cube.vertexCount(), 8);
}

} // namespace
} // namespace tessivo
