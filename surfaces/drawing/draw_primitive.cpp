#include "surfaces/drawing/draw_primitive.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

template <class Attribute>
bool onePerVertex(const std::vector<Attribute>& attributes, const DrawPrimitive& primitive) {
    return attributes.size() == primitive.vertices.size();
}

} // namespace

void emitPrimitive(const DrawPrimitive& primitive) {
    if (primitive.vertices.empty()) {
        return;
    }
    // The vertex list goes to GL as client-side arrays, computed this frame like everything
    // else, rather than vertex by vertex: the map scene draws these primitives in selection
    // mode whenever it is clicked, and Mesa's selection mode keeps several kilobytes for every
    // glBegin/glEnd it is given, which clicks on the map all day long would pile up.
    const DrawVertex& first = primitive.vertices.front();
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glNormalPointer(GL_DOUBLE, sizeof(DrawVertex), &first.normal.x);
    glVertexPointer(3, GL_DOUBLE, sizeof(DrawVertex), &first.position.x);
    if (onePerVertex(primitive.textureCoordinates, primitive)) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_DOUBLE, sizeof(TextureCoordinate),
                          &primitive.textureCoordinates.front().s);
    }
    if (onePerVertex(primitive.colours, primitive)) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(3, GL_DOUBLE, sizeof(Vec3), &primitive.colours.front().x);
    }
    glDrawArrays(primitive.kind == PrimitiveKind::QuadStrip ? GL_QUAD_STRIP : GL_POLYGON, 0,
                 static_cast<GLsizei>(primitive.vertices.size()));
    glPopClientAttrib();
}

} // namespace tessivo
