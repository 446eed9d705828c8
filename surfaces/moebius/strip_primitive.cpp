#include "surfaces/moebius/strip_primitive.h"

#include <GL/gl.h>

namespace tessivo {

void emitStripPrimitive(const StripPrimitive& primitive) {
    glBegin(primitive.kind == StripPrimitiveKind::QuadStrip ? GL_QUAD_STRIP : GL_POLYGON);
    for (const StripVertex& v : primitive.vertices) {
        glNormal3d(v.normal.x, v.normal.y, v.normal.z);
        glVertex3d(v.position.x, v.position.y, v.position.z);
    }
    glEnd();
}

} // namespace tessivo
