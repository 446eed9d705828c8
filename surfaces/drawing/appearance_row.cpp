#include "surfaces/drawing/appearance_row.h"

#include <GL/gl.h>

namespace tessivo {

void AppearanceRow::drawItem(int i) {
    if (i == 0) {
        glColor3d(colour.x, colour.y, colour.z);
        glRectd(-7, -7, 7, 7);
    } else if (i == 1) {
        glColor3d(colour.x, colour.y, colour.z);
        for (double x : {-7.0, -3.0, 1.0, 5.0}) {
            glRectd(x, -7, x + 2, 7);
        }
    } else {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4d(colour.x, colour.y, colour.z, 0.5);
        glRectd(-7, -7, 7, 7);
        glDisable(GL_BLEND);
    }
}

} // namespace tessivo
