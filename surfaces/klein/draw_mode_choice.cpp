#include "surfaces/klein/draw_mode_choice.h"

#include <GL/gl.h>

namespace tessivo {

void DrawModeChoice::drawItem(int i) {
    constexpr double r = 0.1, g = 0.7, b = 0.3;
    if (i == 0) {
        glColor3d(r, g, b);
        glRectd(-7, -7, 7, 7);
    } else if (i == 1) {
        glColor3d(r, g, b);
        for (double x : {-7.0, -3.0, 1.0, 5.0}) {
            glRectd(x, -7, x + 2, 7);
        }
    } else {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4d(r, g, b, 0.5);
        glRectd(-7, -7, 7, 7);
        glDisable(GL_BLEND);
    }
}

} // namespace tessivo
