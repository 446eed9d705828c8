#include "surfaces/polyhedra/dual_pair_drawing.h"

#include "math/draw_helpers.h"

#include <GL/gl.h>

namespace tessivo {

namespace {
constexpr double outlineRadius = 0.01;
}

void drawDualPairTriangles(const std::vector<MorphTriangle>& tiles) {
    for (const MorphTriangle& tile : tiles) {
        setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, tile.colour.x, tile.colour.y,
                    tile.colour.z, 1.0);
        glBegin(GL_POLYGON);
        glNormal3d(tile.normal.x, tile.normal.y, tile.normal.z);
        for (const Vec3& e : tile.corners) {
            glVertex3d(e.x, e.y, e.z);
        }
        glEnd();

        setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, dualOutlineColour.x,
                    dualOutlineColour.y, dualOutlineColour.z, 1.0);
        for (size_t a = 0; a < 3; ++a) {
            drawRod(tile.corners[a], tile.corners[(a + 1) % 3], outlineRadius);
        }
    }
}

void drawDualPair(const HalfEdgeMesh& solid, ColourTable faceColours, ColourTable vertexColours,
                  double t) {
    drawDualPairTriangles(dualPairTriangles(solid, faceColours, vertexColours, t));
}

} // namespace tessivo
