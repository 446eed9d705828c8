#pragma once

#include "surfaces/klein/klein_ring.h"
#include "surfaces/klein/klein_spine.h"

#include <cstddef>
#include <vector>

namespace tessivo {

// The Klein bottle, or one stage of its construction from a rectangle, as plain data: a tube
// around a cubic B-spline spine whose ring at each sample is the circle in the vertical plane
// across the spine, centred on the ground point below the spine point and passing through it.
// Where the spine runs high the tube is fat (the body), where it runs low thin (the neck), and
// where the low part passes under the high part the neck lies inside the body.
struct KleinMesh {
    static constexpr int rows = 100;
    static constexpr int columns = 50;

    static std::size_t index(int row, int column) {
        return static_cast<std::size_t>(row * columns + column);
    }
    const Vec3& vertex(int row, int column) const { return vertices[index(row, column)]; }
    const Vec3& normal(int row, int column) const { return normals[index(row, column)]; }

    std::vector<SpineFrame> frames; // one per row
    std::vector<Vec3> vertices;     // rows * columns, at index(row, column)
    std::vector<Vec3> normals;      // likewise
};

// The mesh of a stage at a progress: the nine control points of the spine, the frame of every
// row, and every vertex and normal from the frames and the ring shape that stage, progress and
// cutOpening give (klein_ring.h). Once the spine has closed, the last ring is the first one
// exactly, glued with its flip.
KleinMesh kleinMesh(KleinStage stage, double progress, double cutOpening = 0.0);

// How many meshes kleinMesh has built in this process, so that a test can count the builds of
// a frame.
long long kleinMeshBuilds();

// The mirror image of a mesh in the plane z = 0: the other half of a bottle cut along that
// plane. The normals are mirrored and reversed, since the mirror turns the surface over.
KleinMesh mirroredMesh(KleinMesh mesh);

// One sample of a glue mark: a point of the mesh, the surface normal there, and the direction
// across the edge in the surface. The mark is a tube around the edge whose cross-section spans
// these two directions.
struct EdgeSample {
    Vec3 centre;
    Vec3 normal;
    Vec3 across;
};

// The offset from an edge sample to the mark's tube wall at angle theta (per unit radius):
// cos(theta) across - sin(theta) normal. It is also the wall's normal.
Vec3 edgeTubeOffset(const EdgeSample& sample, double theta);

// The sample index nearest to position in [0, 1] of count samples (count - 1 intervals);
// positions outside [0, 1], and NaN, give the nearest end (NaN the first).
int nearestSample(double position, int count);

// The mark along row position * (rows - 1) (rounded), and along column
// position * (columns - 1): the mesh points with the surface normal and the direction across
// the edge (unit along a ring; along the spine normal x along, made up to about unit length
// where the spine slopes).
std::vector<EdgeSample> ringEdgeSamples(const KleinMesh& mesh, double position);
std::vector<EdgeSample> columnEdgeSamples(const KleinMesh& mesh, double position);

} // namespace tessivo
