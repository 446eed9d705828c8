#pragma once

#include "math/vec3.h"

#include <vector>

namespace tessivo {

// One immediate-mode primitive of a surface, as plain values: what a glBegin/glEnd pair would
// receive. Every vertex carries the normal that is current when it is emitted, so a primitive
// that sets one normal per sample simply repeats it on the sample's vertices.
struct DrawVertex {
    Vec3 normal;
    Vec3 position;
};

// A point of a texture: s across the picture, t up it.
struct TextureCoordinate {
    double s = 0.0;
    double t = 0.0;
};

enum class PrimitiveKind {
    QuadStrip, // vertices in pairs, each pair one rung of the strip
    Polygon,   // one filled convex polygon
};

// The vertices, and optionally a texture coordinate and an RGB colour for each of them. Either
// list is empty or as long as the vertices; one of any other length is left out.
struct DrawPrimitive {
    PrimitiveKind kind = PrimitiveKind::QuadStrip;
    std::vector<DrawVertex> vertices = {};
    std::vector<TextureCoordinate> textureCoordinates = {};
    std::vector<Vec3> colours = {};
};

// Draws the primitive as GL would draw its glBegin of the kind with, per vertex, glTexCoord
// and glColor where given, glNormal and glVertex. Needs a current GL context.
void emitPrimitive(const DrawPrimitive& primitive);

} // namespace tessivo
