#include "surfaces/polyhedra/dual_pair_drawing.h"
#include "surfaces/polyhedra/dual_pair_geometry.h"
#include "surfaces/polyhedra/dual_pair_subdivision.h"
#include "surfaces/polyhedra/polyhedron_solids.h"
#include "tests/support/gl_capture.h"
#include "tests/support/gl_context.h"
#include "tests/support/vec3_checks.h"
#include "tests/surfaces/polyhedra/ambient_only_light.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>

namespace tessivo {
namespace {

using testing::expectNear;

HalfEdgeMesh scaled(HalfEdgeMesh mesh) {
    scaleToRadius(mesh, dualSphereRadius);
    return mesh;
}

struct PairCase {
    std::string name;
    std::function<HalfEdgeMesh()> build;
    int points, triangles;
    ColourTable faceColours, vertexColours;
};

void PrintTo(const PairCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<PairCase> pairs() {
    return {{"tetrahedron", makeTetrahedron, 14, 24, tetrahedronColours, tetrahedronColours},
            {"cube", makeCube, 26, 48, cubeFaceColours, cubeVertexColours},
            {"icosahedron", makeIcosahedron, 62, 120, icosahedronFaceColours,
             icosahedronVertexColours}};
}

class Pair : public ::testing::TestWithParam<PairCase> {};

TEST_P(Pair, SubdivisionHasOnePointPerVertexEdgeAndFaceAndFourTrianglesPerEdge) {
    const PairCase& c = GetParam();
    const HalfEdgeMesh solid = scaled(c.build());
    const DualPairSubdivision pair = dualPairSubdivision(solid);
    EXPECT_EQ(static_cast<int>(pair.solidPoints.size()), c.points);
    EXPECT_EQ(static_cast<int>(pair.dualPoints.size()), c.points);
    EXPECT_EQ(static_cast<int>(pair.tags.size()), c.triangles);
    EXPECT_EQ(static_cast<int>(pair.triangles.size()), 4 * c.triangles);
    EXPECT_EQ(pair.mesh.faceCount(), c.triangles);
    EXPECT_EQ(pair.mesh.vertexCount(), c.points);
    // The flag triangles tile a closed surface of the sphere's topology.
    EXPECT_TRUE(pair.mesh.isClosed());
    EXPECT_EQ(pair.mesh.vertexCount() - pair.mesh.edgeCount() + pair.mesh.faceCount(), 2);
}

TEST_P(Pair, TagsNameAFaceAndOneOfItsVerticesAndTheTriangleIsItsFlag) {
    const HalfEdgeMesh solid = scaled(GetParam().build());
    const DualPairSubdivision pair = dualPairSubdivision(solid);
    const int v0 = solid.vertexCount();
    const int f0 = v0 + solid.edgeCount();
    std::map<std::pair<int, int>, int> flagsPerFaceAndVertex;
    for (int i = 0; i < pair.mesh.faceCount(); ++i) {
        const int tag = pair.tags[i];
        const int f = flagFace(tag);
        const int v = flagVertex(tag);
        EXPECT_EQ(tag % 100, i % 2);
        ASSERT_LT(f, solid.faceCount());
        std::vector<int> faceCorners;
        solid.faceVertices(f, faceCorners);
        EXPECT_NE(std::find(faceCorners.begin(), faceCorners.end(), v), faceCorners.end());
        ++flagsPerFaceAndVertex[{f, v}];

        // Corners: the face's centre, the vertex and the midpoint of an edge of f at v.
        std::vector<int> corners;
        ASSERT_EQ(pair.mesh.faceVertices(i, corners), 3);
        EXPECT_EQ(corners[0], f0 + f);
        EXPECT_TRUE(corners[1] == v || corners[2] == v);
        const int m = corners[1] == v ? corners[2] : corners[1];
        ASSERT_TRUE(m >= v0 && m < f0);
        const auto [a, b] = solid.edgeEndpoints(2 * (m - v0));
        EXPECT_TRUE(a == v || b == v);
        const auto [g, h] = solid.edgeFaces(2 * (m - v0));
        EXPECT_TRUE(g == f || h == f);

        // Two triangles of one half-edge share centre and midpoint, not vertex or last digit.
        if (i % 2 == 1) {
            std::vector<int> before;
            pair.mesh.faceVertices(i - 1, before);
            EXPECT_EQ(before[0], corners[0]);
            EXPECT_EQ(before[2], corners[1]);
            EXPECT_NE(flagVertex(pair.tags[i - 1]), v);
            EXPECT_EQ(pair.tags[i - 1] / 10000, tag / 10000);
        }
    }
    // Every corner of every face has exactly its two flags.
    EXPECT_EQ(static_cast<int>(flagsPerFaceAndVertex.size()) * 2, pair.mesh.faceCount());
    for (const auto& entry : flagsPerFaceAndVertex) {
        EXPECT_EQ(entry.second, 2);
    }
}

TEST_P(Pair, SolidPointsTileTheSolidAndDualPointsTileTheDual) {
    const HalfEdgeMesh solid = scaled(GetParam().build());
    const DualPairSubdivision pair = dualPairSubdivision(solid);
    const int faceBase = solid.vertexCount() + solid.edgeCount();

    // On the solid, each triangle lies in its flag face, and together they cover its area.
    double tiledArea = 0.0;
    double solidArea = 0.0;
    for (int f = 0; f < solid.faceCount(); ++f) {
        std::vector<int> q;
        solid.faceVertices(f, q);
        for (size_t k = 1; k + 1 < q.size(); ++k) {
            solidArea +=
                0.5 * length(cross(solid.vertexPosition(q[k]) - solid.vertexPosition(q[0]),
                                   solid.vertexPosition(q[k + 1]) - solid.vertexPosition(q[0])));
        }
    }
    for (int i = 0; i < pair.mesh.faceCount(); ++i) {
        const int f = flagFace(pair.tags[i]);
        const int v = flagVertex(pair.tags[i]);
        std::vector<int> corners;
        pair.mesh.faceVertices(i, corners);
        const Vec3& a = pair.solidPoints[corners[0]];
        const Vec3& b = pair.solidPoints[corners[1]];
        const Vec3& c = pair.solidPoints[corners[2]];
        tiledArea += 0.5 * length(cross(b - a, c - a));
        const Vec3 faceNormal = normalised(solid.faceCentre(f));
        for (int j : corners) {
            EXPECT_NEAR(dot(pair.solidPoints[j] - solid.faceCentre(f), faceNormal), 0.0, 1e-12);
        }
        // On the dual, the triangle lies in the dual face of v, which is perpendicular to v's
        // direction through that face's centre, and it has the dual vertex of f as a corner.
        const Vec3 dualCentre = pair.dualPoints[v];
        for (int j : corners) {
            EXPECT_NEAR(dot(pair.dualPoints[j] - dualCentre, solid.vertexPosition(v)), 0.0, 1e-12);
        }
        EXPECT_NEAR(length(pair.dualPoints[faceBase + f]), dualSphereRadius, 1e-12);
    }
    EXPECT_NEAR(tiledArea, solidArea, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(ThreePairs, Pair, ::testing::ValuesIn(pairs()),
                         [](const auto& info) { return info.param.name; });

std::vector<Vec3> dualVertices(const HalfEdgeMesh& solid, const DualPairSubdivision& pair) {
    const int faceBase = solid.vertexCount() + solid.edgeCount();
    return {pair.dualPoints.begin() + faceBase, pair.dualPoints.end()};
}

bool containsPoint(const std::vector<Vec3>& points, const Vec3& p) {
    return std::any_of(points.begin(), points.end(),
                       [&](const Vec3& q) { return length(q - p) < 1e-12; });
}

TEST(DualPairSubdivision, DualOfTheCubeIsTheOctahedron) {
    const HalfEdgeMesh cube = scaled(makeCube());
    const std::vector<Vec3> octahedron = dualVertices(cube, dualPairSubdivision(cube));
    ASSERT_EQ(octahedron.size(), 6u);
    for (const Vec3& axis : {Vec3{2, 0, 0}, Vec3{0, 2, 0}, Vec3{0, 0, 2}}) {
        EXPECT_TRUE(containsPoint(octahedron, axis));
        EXPECT_TRUE(containsPoint(octahedron, -axis));
    }
}

TEST(DualPairSubdivision, DualOfTheTetrahedronIsItsReflection) {
    const HalfEdgeMesh tetrahedron = scaled(makeTetrahedron());
    const std::vector<Vec3> dual = dualVertices(tetrahedron, dualPairSubdivision(tetrahedron));
    ASSERT_EQ(dual.size(), 4u);
    for (int v = 0; v < 4; ++v) {
        EXPECT_TRUE(containsPoint(dual, -tetrahedron.vertexPosition(v))) << "vertex " << v;
        EXPECT_FALSE(containsPoint(dual, tetrahedron.vertexPosition(v)));
    }
    expectNear(-tetrahedron.vertexPosition(0), Vec3{2, 2, 2} / std::sqrt(3.0));
}

TEST(DualPairSubdivision, DualOfTheIcosahedronIsTheDodecahedron) {
    const HalfEdgeMesh icosahedron = scaled(makeIcosahedron());
    const DualPairSubdivision pair = dualPairSubdivision(icosahedron);
    // Each dual face is a regular pentagon: its five corners equally far from its centre.
    for (int v = 0; v < 12; ++v) {
        std::vector<int> around;
        ASSERT_EQ(icosahedron.facesAroundVertex(v, around), 5);
        const double r = length(pair.dualPoints[42 + around[0]] - pair.dualPoints[v]);
        for (int f : around) {
            EXPECT_NEAR(length(pair.dualPoints[42 + f] - pair.dualPoints[v]), r, 1e-12);
        }
    }
}

TEST(DualPairSubdivision, RefusesMeshesItCannotPairOrTag) {
    const HalfEdgeMesh open({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {3, 0, 1, 2});
    const HalfEdgeMesh rejected({{0, 0, 0}, {1, 0, 0}}, {3, 0, 1, 2});
    const HalfEdgeMesh unused({{0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {5, 5, 5}},
                              {3, 0, 1, 2, 3, 0, 2, 1});
    // A closed double cone with 100 vertices: the tags have no digits left for vertex 100.
    std::vector<Vec3> points;
    std::vector<int> faces;
    for (int i = 0; i < 98; ++i) {
        points.push_back({std::cos(i * 0.064), std::sin(i * 0.064), 0});
        faces.insert(faces.end(), {3, i, (i + 1) % 98, 98, 3, (i + 1) % 98, i, 99});
    }
    points.push_back({0, 0, 1});
    points.push_back({0, 0, -1});
    const HalfEdgeMesh large(points, faces);
    ASSERT_TRUE(large.isClosed());
    for (const HalfEdgeMesh* mesh : {&open, &rejected, &unused, &large}) {
        const DualPairSubdivision pair = dualPairSubdivision(*mesh);
        EXPECT_TRUE(pair.solidPoints.empty());
        EXPECT_TRUE(pair.dualPoints.empty());
        EXPECT_EQ(pair.mesh.faceCount(), 0);
        EXPECT_TRUE(dualPairTriangles(*mesh, cubeFaceColours, cubeVertexColours, 0.5).empty());
    }
}

TEST(ScaleToRadius, PutsEveryVertexOfTheSolidsOnTheSphere) {
    for (const auto& build : {makeTetrahedron, makeCube, makeIcosahedron}) {
        HalfEdgeMesh mesh = build();
        const Vec3 before = mesh.vertexPosition(3);
        scaleToRadius(mesh, 2.0);
        for (int v = 0; v < mesh.vertexCount(); ++v) {
            EXPECT_NEAR(length(mesh.vertexPosition(v)), 2.0, 1e-12);
        }
        EXPECT_NEAR(length(cross(before, mesh.vertexPosition(3))), 0.0, 1e-12);
    }
    HalfEdgeMesh empty;
    scaleToRadius(empty, 2.0);
    HalfEdgeMesh atOrigin({{0, 0, 0}, {1, 0, 0}}, {});
    scaleToRadius(atOrigin, 2.0);
    EXPECT_EQ(atOrigin.vertexPosition(1).x, 1.0);
}

TEST(TableColour, NamesThePaletteAndFallsBackToGrey) {
    expectNear(tableColour(cubeFaceColours, 3), {0, 0, 1});
    expectNear(tableColour(icosahedronVertexColours, 11), {1, 0, 1});
    expectNear(tableColour(cubeFaceColours, 6), {0.5, 0.5, 0.5});
    expectNear(tableColour(cubeFaceColours, -1), {0.5, 0.5, 0.5});
    constexpr std::array<int, 2> outsidePalette = {7, -1};
    expectNear(tableColour(outsidePalette, 0), {0.5, 0.5, 0.5});
    expectNear(tableColour(outsidePalette, 1), {0.5, 0.5, 0.5});
    expectNear(tableColour(ColourTable(), 0), {0.5, 0.5, 0.5});
}

class Tiles : public ::testing::TestWithParam<PairCase> {};

TEST_P(Tiles, ColoursBlendFromTheDualFaceToTheSolidFace) {
    const PairCase& c = GetParam();
    const HalfEdgeMesh solid = scaled(c.build());
    const DualPairSubdivision pair = dualPairSubdivision(solid);
    for (double t : {0.0, 0.5, 1.0}) {
        const auto tiles = dualPairTriangles(solid, c.faceColours, c.vertexColours, t);
        ASSERT_EQ(static_cast<int>(tiles.size()), c.triangles);
        for (size_t i = 0; i < tiles.size(); ++i) {
            const Vec3 faceColour = dualPalette[c.faceColours.entries[flagFace(pair.tags[i])]];
            const Vec3 vertexColour =
                dualPalette[c.vertexColours.entries[flagVertex(pair.tags[i])]];
            const Vec3 expected = t == 0.0   ? vertexColour
                                  : t == 1.0 ? faceColour
                                             : 0.5 * (faceColour + vertexColour);
            expectNear(tiles[i].colour, expected, 1e-15);
        }
    }
}

TEST_P(Tiles, ShrinkTowardsTheirCentroidOnTheSolidAndMoveLinearly) {
    const PairCase& c = GetParam();
    const HalfEdgeMesh solid = scaled(c.build());
    const DualPairSubdivision pair = dualPairSubdivision(solid);
    const auto dual = dualPairTriangles(solid, c.faceColours, c.vertexColours, 0.0);
    const auto half = dualPairTriangles(solid, c.faceColours, c.vertexColours, 0.5);
    const auto onSolid = dualPairTriangles(solid, c.faceColours, c.vertexColours, 1.0);
    for (size_t i = 0; i < onSolid.size(); ++i) {
        std::vector<int> corners;
        pair.mesh.faceVertices(static_cast<int>(i), corners);
        const Vec3 centroid = pair.mesh.faceCentre(static_cast<int>(i));
        const Vec3 dualCentroid = (pair.dualPoints[corners[0]] + pair.dualPoints[corners[1]] +
                                   pair.dualPoints[corners[2]]) /
                                  3.0;
        for (int a = 0; a < 3; ++a) {
            // At t = 1 a tenth shorter towards the centroid, which stays where it is.
            expectNear(onSolid[i].corners[a] - centroid,
                       0.9 * (pair.solidPoints[corners[a]] - centroid));
            // At t = 0 the dual's tile, shrunk about its own centroid and shifted a tenth of
            // the way to its place on the solid.
            expectNear(dual[i].corners[a] - dual[i].corners[(a + 1) % 3],
                       0.9 * (pair.dualPoints[corners[a]] - pair.dualPoints[corners[(a + 1) % 3]]));
            expectNear((dual[i].corners[0] + dual[i].corners[1] + dual[i].corners[2]) / 3.0,
                       0.9 * dualCentroid + 0.1 * centroid);
            // Straight-line motion: halfway is the mean of both ends.
            expectNear(half[i].corners[a], 0.5 * (dual[i].corners[a] + onSolid[i].corners[a]));
        }
    }
}

TEST_P(Tiles, NormalsAreUnitAndPerpendicularToTheTile) {
    const PairCase& c = GetParam();
    const HalfEdgeMesh solid = scaled(c.build());
    std::mt19937 random(23);
    std::uniform_real_distribution<double> any(0.0, 1.0);
    for (int trial = 0; trial < 20; ++trial) {
        const double t = trial == 0 ? 0.0 : trial == 1 ? 1.0 : any(random);
        for (const MorphTriangle& tile :
             dualPairTriangles(solid, c.faceColours, c.vertexColours, t)) {
            EXPECT_NEAR(length(tile.normal), 1.0, 1e-12);
            EXPECT_NEAR(dot(tile.normal, tile.corners[1] - tile.corners[0]), 0.0, 1e-12);
            EXPECT_NEAR(dot(tile.normal, tile.corners[2] - tile.corners[0]), 0.0, 1e-12);
            // Right-handed with the corners in their listed order.
            EXPECT_GT(dot(tile.normal, cross(tile.corners[1] - tile.corners[0],
                                             tile.corners[2] - tile.corners[0])),
                      0.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ThreePairs, Tiles, ::testing::ValuesIn(pairs()),
                         [](const auto& info) { return info.param.name; });

TEST(DualPairTriangles, TilesThatCollapseToAPointStillHaveAUnitNormal) {
    // Two triangles back to back: both faces have one centre, so the whole dual is one point
    // and every tile at t = 0 collapses.
    const HalfEdgeMesh sheet({{1, 0, 1}, {0, 1, 1}, {1, 1, 1}}, {3, 0, 1, 2, 3, 0, 2, 1});
    ASSERT_TRUE(sheet.isClosed());
    constexpr std::array<int, 3> colours = {0, 1, 2};
    const auto tiles = dualPairTriangles(sheet, colours, colours, 0.0);
    ASSERT_EQ(tiles.size(), 12u);
    for (const MorphTriangle& tile : tiles) {
        EXPECT_TRUE(isFinite(tile.normal));
        EXPECT_NEAR(length(tile.normal), 1.0, 1e-12);
    }
    // The sheet through the origin: its dual is the origin itself, every tile at t = 0 a point
    // a tenth of the way to its centroid, and it faces away from the origin.
    const HalfEdgeMesh centred({{1, 0, 0}, {-1, 1, 0}, {0, -1, 0}}, {3, 0, 1, 2, 3, 0, 2, 1});
    const DualPairSubdivision pair = dualPairSubdivision(centred);
    const auto collapsed = dualPairTriangles(centred, colours, colours, 0.0);
    ASSERT_EQ(collapsed.size(), 12u);
    for (size_t i = 0; i < collapsed.size(); ++i) {
        expectNear(pair.dualPoints[i % pair.dualPoints.size()], {0, 0, 0});
        const Vec3 centroid = pair.mesh.faceCentre(static_cast<int>(i));
        expectNear(collapsed[i].corners[0], 0.1 * centroid);
        expectNear(collapsed[i].normal, normalised(centroid));
    }
}

using DualPairDrawing = testing::GlTest;

TEST_F(DualPairDrawing, DrawsEachTileInItsColourWithBlackOutlines) {
    testing::useAmbientOnlyLight(3.0);

    const HalfEdgeMesh cube = scaled(makeCube());
    const auto tiles = dualPairTriangles(cube, cubeFaceColours, cubeVertexColours, 0.5);
    const auto feedback = testing::captureFeedback([&] { drawDualPairTriangles(tiles); });
    ASSERT_FALSE(feedback.overflowed);
    int coloured = 0;
    int black = 0;
    for (const auto& polygon : feedback.polygons) {
        const auto& v = polygon[0];
        if (v.r + v.g + v.b < 1e-3) {
            ++black;
            continue;
        }
        ASSERT_EQ(polygon.size(), 3u);
        const MorphTriangle& tile = tiles[static_cast<size_t>(coloured)];
        EXPECT_NEAR(v.r, tile.colour.x, 1e-3);
        EXPECT_NEAR(v.g, tile.colour.y, 1e-3);
        EXPECT_NEAR(v.b, tile.colour.z, 1e-3);
        // The view maps [-3, 3] onto 800 x 600 pixels; GL may start the polygon at any corner.
        for (const auto& corner : polygon) {
            EXPECT_TRUE(std::any_of(tile.corners.begin(), tile.corners.end(), [&](const Vec3& e) {
                return std::abs(corner.x - (400.0 + e.x * 400.0 / 3.0)) < 0.01 &&
                       std::abs(corner.y - (300.0 + e.y * 100.0)) < 0.01;
            }));
        }
        ++coloured;
    }
    EXPECT_EQ(coloured, 48);
    // Three rods of 10 slices and 10 stacks per tile; seen from one side, at least the near
    // half of each is there.
    EXPECT_GE(black, 48 * 3 * 10 * 10);
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

} // namespace
} // namespace tessivo
