#include "surfaces/moebius/strip_primitive.h"

#include <GL/gl.h>

namespace tessivo {

void emitStripPrimitive(const StripPrimitive& primitive) {
    if (primitive.vertices.empty()) {
        return;
    }
    // The vertex list goes to GL as client-side arrays, computed this frame like everything
    // else, rather than vertex by vertex: the map scene draws these primitives in selection
    // mode whenever it is clicked, and Mesa's selection mode keeps several kilobytes for every
    // glBegin/glEnd it is given, which clicks on the map all day long would pile up.
    const StripVertex& first = primitive.vertices.front();
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glNormalPointer(GL_DOUBLE, sizeof(StripVertex), &first.normal.x);
    glVertexPointer(3, GL_DOUBLE, sizeof(StripVertex), &first.position.x);
    glDrawArrays(primitive.kind == StripPrimitiveKind::QuadStrip ? GL_QUAD_STRIP : GL_POLYGON, 0,
                 static_cast<GLsizei>(primitive.vertices.size()));
    glPopClientAttrib();
}

} // namespace tessivo
