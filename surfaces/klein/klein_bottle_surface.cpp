#include "surfaces/klein/klein_bottle_surface.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

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

std::vector<int> surfaceBands(int drawMode, int rows) {
    const int step = drawMode == StripedMode ? 2 : 1;
    std::vector<int> bands;
    for (int r = 0; r < rows - 1; r += step) {
        bands.push_back(r);
    }
    return bands;
}

KleinBottleSurface::KleinBottleSurface(KleinStage stage)
    : spine(9, 3), frames(static_cast<std::size_t>(rows)),
      vertices(static_cast<std::size_t>(rows * columns)),
      normals(static_cast<std::size_t>(rows * columns)), stage(stage) {
    buildSpine();
    buildMesh();
}

void KleinBottleSurface::buildSpine() {
    const StagePhases phases = stagePhases(stage, progress);
    const std::array<Vec3, 9> points = spineControlPoints(phases);
    for (int i = 0; i < 9; ++i) {
        spine.setControlPoint(i, points[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < rows; ++i) {
        frames[static_cast<std::size_t>(i)] =
            spineFrame(spine, spineParameter(i, rows, phases.lengthen));
    }
}

void KleinBottleSurface::buildMesh() {
    const RingShape shape = ringShape(stage, progress, cutOpening);
    for (int i = 0; i < rows; ++i) {
        const SpineFrame& frame = frames[static_cast<std::size_t>(i)];
        for (int j = 0; j < columns; ++j) {
            const MeshPoint p = ringPoint(frame, shape, j, columns);
            vertices[index(i, j)] = p.position;
            normals[index(i, j)] = p.normal;
        }
    }
    if (stagePhases(stage, progress).close >= 1.0) {
        glueEndRings();
    }
}

void KleinBottleSurface::glueEndRings() {
    // The closed spine meets itself, but its last ring is computed from its own frame and
    // misses the first by rounding and by its side vector, borrowed from a tangent a little
    // inside the curve; with no band between them the gap shows as single pixels along the
    // seam. The glue pairs column j of the last ring with column columns - 1 - j of the first,
    // and the surface's orientation turns over there, so the last ring takes those points
    // with the normals reversed.
    for (int j = 0; j < columns; ++j) {
        vertices[index(rows - 1, j)] = vertices[index(0, columns - 1 - j)];
        normals[index(rows - 1, j)] = -normals[index(0, columns - 1 - j)];
    }
}

std::vector<EdgeSample> KleinBottleSurface::ringEdgeSamples(double position) const {
    const int row = nearestSample(position, rows);
    std::vector<EdgeSample> samples;
    for (int j = 0; j < columns; ++j) {
        const Vec3& v = vertex(row, j);
        const Vec3 step = j == 0 ? vertex(row, 1) - v : v - vertex(row, j - 1);
        const Vec3& n = normal(row, j);
        samples.push_back({v, n, normalised(cross(n, step))});
    }
    return samples;
}

std::vector<EdgeSample> KleinBottleSurface::columnEdgeSamples(double position) const {
    const int column = nearestSample(position, columns);
    std::vector<EdgeSample> samples;
    for (int i = 0; i < rows; ++i) {
        const Vec3& v = vertex(i, column);
        const Vec3& n = normal(i, column);
        // normal x along is a unit vector across the edge where the spine runs level, but it
        // shrinks with the spine's slope and vanishes where the spine runs vertically (the
        // normal then lies along it), which would flatten the mark's tube into a ribbon. The
        // unit vector across the edge in the surface makes up what it lacks.
        const Vec3 level = cross(n, frames[static_cast<std::size_t>(i)].along);
        const Vec3 step = i + 1 < rows ? vertex(i + 1, column) - v : v - vertex(i - 1, column);
        const Vec3 across = normalised(cross(n, step));
        samples.push_back({v, n, level + std::max(0.0, 1.0 - length(level)) * across});
    }
    return samples;
}

void KleinBottleSurface::mirrorMesh() {
    for (Vec3& v : vertices) {
        v.z = -v.z;
    }
    for (Vec3& n : normals) {
        n.x = -n.x;
        n.y = -n.y;
    }
}

} // namespace tessivo
