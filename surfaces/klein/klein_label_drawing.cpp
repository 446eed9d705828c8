// The label stage of KleinBottleSurface: the carried picture on a glass bottle.

#include "surfaces/klein/klein_bottle_surface.h"
#include "surfaces/klein/label_placement.h"

#include <GL/gl.h>

namespace tessivo {

void KleinBottleSurface::drawTexturedStrips(int rowStart, int rowEnd, int rowStep, int columnStart,
                                            int columnEnd, double alongStart, double alongEnd,
                                            double acrossStart, double acrossEnd) {
    const LabelPiece piece{
        {rowStart, rowEnd, columnStart, columnEnd}, alongStart, alongEnd, acrossStart, acrossEnd};
    glEnable(GL_TEXTURE_2D);
    int band = 0;
    for (int r = rowStart; r < rowEnd; r += rowStep, ++band) {
        glBegin(GL_QUAD_STRIP);
        for (int j = columnStart; j <= columnEnd; ++j) {
            const int k = j - columnStart;
            for (int side = 0; side < 2; ++side) {
                const TextureCoordinate t = labelTextureCoordinate(piece, band, k, side == 1);
                const Vec3& n = normal(r + side, j);
                const Vec3& v = vertex(r + side, j);
                glTexCoord2d(t.s, t.t);
                glNormal3d(n.x, n.y, n.z);
                glVertex3d(v.x, v.y, v.z);
            }
        }
        glEnd();
    }
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
}

} // namespace tessivo
