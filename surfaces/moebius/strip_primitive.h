#pragma once

#include "math/vec3.h"

#include <vector>

namespace tessivo {

// One immediate-mode primitive of the strip or the wheel, as plain values: what a glBegin/glEnd
// pair would receive. Every vertex carries the normal that is current when it is emitted, so a
// primitive that sets one normal per sample simply repeats it on the sample's vertices.
struct StripVertex {
    Vec3 normal;
    Vec3 position;
};

enum class StripPrimitiveKind {
    QuadStrip, // vertices in pairs, each pair one rung of the strip
    Polygon,   // one filled convex polygon
};

struct StripPrimitive {
    StripPrimitiveKind kind = StripPrimitiveKind::QuadStrip;
    std::vector<StripVertex> vertices;
};

// glBegin of the kind, glNormal and glVertex per vertex, glEnd. Needs a current GL context.
void emitStripPrimitive(const StripPrimitive& primitive);

} // namespace tessivo
