// The label stage of KleinBottleSurface: the carried picture on a glass bottle.

#include "surfaces/klein/klein_bottle_surface.h"
#include "surfaces/klein/klein_materials.h"
#include "surfaces/klein/label_picture.h"
#include "surfaces/klein/label_placement.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

// The picture as the current 2D texture. It is sent again on every frame that shows it, into
// the default texture (no texture object): repeated along the spine's direction, clamped
// across it, and modulated by the lit label material.
void setUpLabelTexture(const LabelPicture& picture) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, picture.width, picture.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 picture.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

} // namespace

void KleinBottleSurface::drawWithLabel() {
    setLabelMaterial();
    setUpLabelTexture(carriedLabelPicture());

    const LabelPlacement placement = labelPlacement(progress, rows, columns);
    for (const LabelPiece& piece : labelPieces(placement, rows)) {
        const StripRange& r = piece.range;
        drawTexturedStrips(r.rowStart, r.rowEnd, 1, r.columnStart, r.columnEnd, piece.alongStart,
                           piece.alongEnd, piece.acrossStart, piece.acrossEnd);
    }

    // The rest of the bottle as glass with a hole where the label is. Depth writes are off but
    // the depth test stays on, so the label hides the glass behind it while all the layers of
    // glass show through one another.
    switchToGlassLight(0.0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    setBottleMaterial();
    const std::vector<StripRange> glass = glassAroundLabel(placement, rows, columns);
    auto drawGlass = [&] {
        for (const StripRange& r : glass) {
            drawStrips(r.rowStart, r.rowEnd, 1, r.columnStart, r.columnEnd);
        }
    };
    drawGlass();
    // The highlights: the same glass once more, black but for its specular term, added on top.
    switchToSceneLight();
    setHighlightMaterial();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    drawGlass();
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

void KleinBottleSurface::drawTexturedStrips(int rowStart, int rowEnd, int rowStep, int columnStart,
                                            int columnEnd, double alongStart, double alongEnd,
                                            double acrossStart, double acrossEnd) {
    const LabelPiece piece{
        {rowStart, rowEnd, columnStart, columnEnd}, alongStart, alongEnd, acrossStart, acrossEnd};
    glEnable(GL_TEXTURE_2D);
    // The picture runs over all the rows of the range, so a strip's coordinates follow its
    // rows, whatever the step between strips.
    int band = 0;
    for (int r = rowStart; r < rowEnd; r += rowStep, band += rowStep) {
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
