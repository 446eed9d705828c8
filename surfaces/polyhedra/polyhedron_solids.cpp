#include "surfaces/polyhedra/polyhedron_solids.h"

#include <cmath>

namespace tessivo {

HalfEdgeMesh makeTetrahedron() {
    const std::vector<Vec3> points = {{-1, -1, -1}, {1, 1, -1}, {1, -1, 1}, {-1, 1, 1}};
    const std::vector<int> faces = {3, 0, 1, 2, 3, 1, 0, 3, 3, 2, 1, 3, 3, 0, 2, 3};
    return HalfEdgeMesh(points, faces);
}

HalfEdgeMesh makeCube() {
    std::vector<Vec3> points;
    for (int i = 0; i < 8; ++i) {
        points.push_back({i & 1 ? 1.0 : -1.0, i & 2 ? 1.0 : -1.0, i & 4 ? 1.0 : -1.0});
    }
    const std::vector<int> faces = {4, 0, 2, 3, 1, 4, 4, 5, 7, 6, 4, 2, 0, 4, 6,
                                    4, 3, 2, 6, 7, 4, 1, 3, 7, 5, 4, 0, 1, 5, 4};
    return HalfEdgeMesh(points, faces);
}

HalfEdgeMesh makeIcosahedron() {
    const double t = (std::sqrt(5.0) - 1.0) / 2.0;
    const std::vector<Vec3> points = {{t, 0, 1}, {-t, 0, 1}, {t, 0, -1}, {-t, 0, -1},
                                      {0, 1, t}, {0, 1, -t}, {0, -1, t}, {0, -1, -t},
                                      {1, t, 0}, {1, -t, 0}, {-1, t, 0}, {-1, -t, 0}};
    const std::vector<int> faces = {
        3, 0,  1,  4,  3, 1,  0,  6, 3, 3, 2, 5,  3, 2, 3, 7,  3, 4, 5,  8, //
        3, 5,  4,  10, 3, 7,  6,  9, 3, 6, 7, 11, 3, 8, 9, 0,  3, 9, 8,  2, //
        3, 11, 10, 1,  3, 10, 11, 3, 3, 0, 4, 8,  3, 0, 9, 6,  3, 1, 10, 4, //
        3, 1,  6,  11, 3, 2,  8,  5, 3, 2, 7, 9,  3, 3, 5, 10, 3, 3, 11, 7};
    return HalfEdgeMesh(points, faces);
}

} // namespace tessivo
