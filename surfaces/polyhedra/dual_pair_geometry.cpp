#include "surfaces/polyhedra/dual_pair_geometry.h"

#include "surfaces/polyhedra/dual_pair_subdivision.h"

#include <cmath>

namespace tessivo {

namespace {

// How far a tile keeps from its centroid: 0.9 of the way out, the other tenth pulled in.
constexpr double tileScale = 0.9;
constexpr double tilePull = 1.0 - tileScale;

} // namespace

Vec3 tableColour(const ColourTable& table, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= table.size || table.entries == nullptr) {
        return {0.5, 0.5, 0.5};
    }
    const int entry = table.entries[i];
    if (entry < 0 || static_cast<std::size_t>(entry) >= dualPalette.size()) {
        return {0.5, 0.5, 0.5};
    }
    return dualPalette[static_cast<std::size_t>(entry)];
}

void scaleToRadius(HalfEdgeMesh& mesh, double radius) {
    if (mesh.vertexCount() == 0) {
        return;
    }
    const double distance = length(mesh.vertexPosition(0));
    if (!(distance > 0.0)) {
        return;
    }
    const double k = radius / distance;
    for (int v = 0; v < mesh.vertexCount(); ++v) {
        mesh.setVertexPosition(v, k * mesh.vertexPosition(v));
    }
}

std::vector<MorphTriangle> dualPairTriangles(const HalfEdgeMesh& solid, ColourTable faceColours,
                                             ColourTable vertexColours, double t) {
    const DualPairSubdivision pair = dualPairSubdivision(solid);
    const HalfEdgeMesh& tiles = pair.mesh;
    std::vector<MorphTriangle> result;
    result.reserve(static_cast<size_t>(tiles.faceCount()));
    for (int i = 0; i < tiles.faceCount(); ++i) {
        MorphTriangle tile;
        const int tag = pair.tags[static_cast<size_t>(i)];
        tile.colour = t * tableColour(faceColours, flagFace(tag)) +
                      (1.0 - t) * tableColour(vertexColours, flagVertex(tag));

        // The centroid on the solid, whatever t is: at t = 0 the dual's tiles are therefore
        // also pulled a tenth of the way towards their places on the solid.
        const Vec3 centroid = tiles.faceCentre(i);
        std::vector<int> corners;
        tiles.faceVertices(i, corners);
        for (size_t a = 0; a < 3 && a < corners.size(); ++a) {
            const size_t j = static_cast<size_t>(corners[a]);
            const Vec3 e = (1.0 - t) * pair.dualPoints[j] + t * pair.solidPoints[j];
            tile.corners[a] = tileScale * e + tilePull * centroid;
        }

        const Vec3 across =
            cross(tile.corners[1] - tile.corners[0], tile.corners[2] - tile.corners[0]);
        const double area = length(across);
        if (area > 0.0 && std::isfinite(area)) {
            tile.normal = across / area;
        } else if (length(centroid) > 0.0) {
            tile.normal = normalised(centroid);
        } else {
            tile.normal = {0, 0, 1};
        }
        result.push_back(tile);
    }
    return result;
}

} // namespace tessivo
