#pragma once

#include "math/vec3.h"
#include "surfaces/drawing/draw_primitive.h"

#include <vector>

namespace tessivo::crosscap {

// The cross-cap surfaces are drawn as GL quad strips. Their geometry is first computed into
// these plain values, so that it can be checked without a GL context, and then handed to GL
// unchanged, in order, as primitives of the shared drawing (quadStripPrimitive).

// One vertex of a quad strip: its position, its lighting normal and its colour as a parameter
// of the hue ramp (hueRamp(hue, 1)). The hue is used only by strips drawn with per-vertex
// colours (colour material); otherwise it stays 0.
struct StripVertex {
    Vec3 point;
    Vec3 normal;
    double hue = 0.0;
};

// The vertices of one GL_QUAD_STRIP, in emission order: two per column.
using QuadStrip = std::vector<StripVertex>;

// One circular cross-section of a tube: its centre, two unit axes spanning the circle's plane and
// the hue of its vertices. Around the ring the outward direction at angle psi is
// cos(psi) u + sin(psi) v.
struct TubeRing {
    Vec3 centre;
    Vec3 u;
    Vec3 v;
    double hue = 0.0;
};

// The piece of tube between two rings: for m = 0 .. sides, psi = m 2 pi / sides, first the
// vertex of ring `first`, then that of ring `second`, each at centre + radius d with normal d,
// d = cos(psi) u + sin(psi) v of its own ring. The last column repeats the first, closing the
// tube. sides >= 1; 2 (sides + 1) vertices. If the axes are not unit or not perpendicular the
// normals d are not unit either; GL_NORMALIZE rescales them.
QuadStrip tubeStrip(const TubeRing& first, const TubeRing& second, double radius, int sides);

// The strip as a primitive of the shared drawing, each vertex coloured hueRamp(hue, 1) when
// hueColours, uncoloured otherwise.
DrawPrimitive quadStripPrimitive(const QuadStrip& strip, bool hueColours);

} // namespace tessivo::crosscap
