#include "surfaces/klein/klein_mesh.h"

#include "math/b_spline_curve.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {

constexpr int rows = KleinMesh::rows;
constexpr int columns = KleinMesh::columns;

long long builds = 0;

std::vector<SpineFrame> spineFrames(const StagePhases& phases) {
    BSplineCurve spine(9, 3);
    const std::array<Vec3, 9> points = spineControlPoints(phases);
    for (int i = 0; i < 9; ++i) {
        spine.setControlPoint(i, points[static_cast<std::size_t>(i)]);
    }
    std::vector<SpineFrame> frames;
    frames.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        frames.push_back(spineFrame(spine, spineParameter(i, rows, phases.lengthen)));
    }
    return frames;
}

void glueEndRings(KleinMesh& mesh) {
    // The closed spine meets itself, but its last ring is computed from its own frame and
    // misses the first by rounding and by its side vector, borrowed from a tangent a little
    // inside the curve; with no band between them the gap shows as single pixels along the
    // seam. The glue pairs column j of the last ring with column columns - 1 - j of the first,
    // and the surface's orientation turns over there, so the last ring takes those points
    // with the normals reversed.
    for (int j = 0; j < columns; ++j) {
        const std::size_t last = KleinMesh::index(rows - 1, j);
        const std::size_t first = KleinMesh::index(0, columns - 1 - j);
        mesh.vertices[last] = mesh.vertices[first];
        mesh.normals[last] = -mesh.normals[first];
    }
}

} // namespace

KleinMesh kleinMesh(KleinStage stage, double progress, double cutOpening) {
    ++builds;
    const StagePhases phases = stagePhases(stage, progress);
    const RingShape shape = ringShape(stage, progress, cutOpening);
    KleinMesh mesh;
    mesh.frames = spineFrames(phases);
    mesh.vertices.reserve(rows * columns);
    mesh.normals.reserve(rows * columns);
    for (const SpineFrame& frame : mesh.frames) {
        for (int j = 0; j < columns; ++j) {
            const MeshPoint p = ringPoint(frame, shape, j, columns);
            mesh.vertices.push_back(p.position);
            mesh.normals.push_back(p.normal);
        }
    }
    if (phases.close >= 1.0) {
        glueEndRings(mesh);
    }
    return mesh;
}

long long kleinMeshBuilds() {
    return builds;
}

KleinMesh mirroredMesh(KleinMesh mesh) {
    for (Vec3& v : mesh.vertices) {
        v.z = -v.z;
    }
    for (Vec3& n : mesh.normals) {
        n.x = -n.x;
        n.y = -n.y;
    }
    return mesh;
}

Vec3 edgeTubeOffset(const EdgeSample& sample, double theta) {
    return std::cos(theta) * sample.across - std::sin(theta) * sample.normal;
}

int nearestSample(double position, int count) {
    const double nearest = std::trunc((count - 1) * position + 0.5);
    if (!(nearest > 0.0)) {
        return 0;
    }
    return static_cast<int>(std::min(nearest, static_cast<double>(count - 1)));
}

std::vector<EdgeSample> ringEdgeSamples(const KleinMesh& mesh, double position) {
    const int row = nearestSample(position, rows);
    std::vector<EdgeSample> samples;
    for (int j = 0; j < columns; ++j) {
        const Vec3& v = mesh.vertex(row, j);
        const Vec3 step = j == 0 ? mesh.vertex(row, 1) - v : v - mesh.vertex(row, j - 1);
        const Vec3& n = mesh.normal(row, j);
        samples.push_back({v, n, normalised(cross(n, step))});
    }
    return samples;
}

std::vector<EdgeSample> columnEdgeSamples(const KleinMesh& mesh, double position) {
    const int column = nearestSample(position, columns);
    std::vector<EdgeSample> samples;
    for (int i = 0; i < rows; ++i) {
        const Vec3& v = mesh.vertex(i, column);
        const Vec3& n = mesh.normal(i, column);
        // normal x along is a unit vector across the edge where the spine runs level, but it
        // shrinks with the spine's slope and vanishes where the spine runs vertically (the
        // normal then lies along it), which would flatten the mark's tube into a ribbon. The
        // unit vector across the edge in the surface makes up what it lacks.
        const Vec3 level = cross(n, mesh.frames[static_cast<std::size_t>(i)].along);
        const Vec3 step =
            i + 1 < rows ? mesh.vertex(i + 1, column) - v : v - mesh.vertex(i - 1, column);
        const Vec3 across = normalised(cross(n, step));
        samples.push_back({v, n, level + std::max(0.0, 1.0 - length(level)) * across});
    }
    return samples;
}

} // namespace tessivo
