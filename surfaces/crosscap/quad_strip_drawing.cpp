#include "surfaces/crosscap/quad_strip_drawing.h"

#include "math/draw_helpers.h"

#include <GL/gl.h>

namespace tessivo::crosscap {

void emitQuadStrips(const std::vector<QuadStrip>& strips, bool vertexColours) {
    for (const QuadStrip& strip : strips) {
        glBegin(GL_QUAD_STRIP);
        for (const StripVertex& v : strip) {
            if (vertexColours) {
                hueColour(v.hue, 1.0);
            }
            glNormal3d(v.normal.x, v.normal.y, v.normal.z);
            glVertex3d(v.point.x, v.point.y, v.point.z);
        }
        glEnd();
    }
}

} // namespace tessivo::crosscap
