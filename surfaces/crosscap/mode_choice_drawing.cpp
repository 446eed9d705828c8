// The icons of the cross-cap scenes' two rows, in the pixel overlay (lighting and depth test
// off), each centred on the origin of the current matrix.

#include "surfaces/crosscap/boundary_mode_choice.h"
#include "surfaces/crosscap/surface_mode_choice.h"

#include <GL/gl.h>

namespace tessivo {

void SurfaceModeChoice::drawItem(int i) {
    glColor3d(0.1, 0.7, 0.3);
    if (i == 0) {
        glBegin(GL_LINE_STRIP);
        for (const Vec2& corner : outlineCorners()) {
            glVertex2d(corner.x, corner.y);
        }
        glEnd();
    } else if (i == 1) {
        glRectd(-7, -7, 7, 7);
    } else {
        for (const auto& bar : barCorners()) {
            glRectd(bar[0].x, bar[0].y, bar[1].x, bar[1].y);
        }
    }
}

void BoundaryModeChoice::drawItem(int i) {
    if (i == 0) {
        // Every other gap between neighbouring inner points: a dashed circle.
        glColor3d(0, 0, 0);
        glBegin(GL_LINES);
        for (std::size_t k = 0; k + 2 < ringPoints.size(); k += 4) {
            glVertex2d(ringPoints[k].x, ringPoints[k].y);
            glVertex2d(ringPoints[k + 2].x, ringPoints[k + 2].y);
        }
        glEnd();
        return;
    }
    const bool coloured = i != 1;
    if (!coloured) {
        glColor3d(0.5, 0.4, 0.2);
    }
    glBegin(GL_QUAD_STRIP);
    for (std::size_t k = 0; k < ringPoints.size(); ++k) {
        if (coloured && k % 2 == 0) {
            const Vec3 c = spokeColour(static_cast<int>(k));
            glColor3d(c.x, c.y, c.z);
        }
        glVertex2d(ringPoints[k].x, ringPoints[k].y);
    }
    glEnd();
    if (i == 3) {
        // The moving cross-section, across the ring in the ring's last colour.
        glRectd(-8, -1, 8, 1);
    }
}

} // namespace tessivo
