#pragma once

#include "math/vec3.h"

#include <GL/gl.h>
#include <array>

namespace tessivo {

// Thin wrappers over the float-only GL light and material calls, and a few shapes that every
// surface draws with. The pure parts (colour ramp, frame matrix, tube placement) are separate
// functions so that they can be checked without a GL context.

// glLightfv(light, pname, {x, y, z, 1}).
void setLight(GLenum light, GLenum pname, double x, double y, double z);

// glMaterialfv(face, pname, {a, b, c, d}).
void setMaterial(GLenum face, GLenum pname, double a, double b, double c, double d);

// GL's initial material, front and back: ambient (0.2, 0.2, 0.2, 1), diffuse (0.8, 0.8, 0.8, 1),
// no specular and no emission, shininess 0.
void resetMaterial();

// The cyclic hue ramp. Over one unit of t the colour runs red, green, blue, red, green, blue
// and back to red: two cycles of the primaries, each step blending linearly over a sixth of the
// unit. t may be any finite real (only its fractional part counts); the colour is scaled by
// brightness, which may exceed 1 (GL clamps vertex colours).
Vec3 hueRamp(double t, double brightness);

// glColor3d of hueRamp(t, brightness).
void hueColour(double t, double brightness);

// Column-major 4x4 matrix with columns (xAxis, 0), (yAxis, 0), (xAxis x yAxis, 0), (origin, 1).
// The axes are used as given: an orthonormal pair gives a rigid frame.
std::array<double, 16> frameMatrix(const Vec3& origin, const Vec3& xAxis, const Vec3& yAxis);

// glMultMatrixd(frameMatrix(origin, xAxis, yAxis)).
void multFrame(const Vec3& origin, const Vec3& xAxis, const Vec3& yAxis);

// How a GLU cylinder, which runs along its own +z axis, is turned onto the segment p0 -> p1:
// first by polarDegrees about y, then by azimuthDegrees about z. A segment shorter than 1e-5
// is degenerate (nothing is drawn); a vertical one has azimuth 0.
struct TubePlacement {
    bool degenerate = true;
    double length = 0.0;
    double azimuthDegrees = 0.0;
    double polarDegrees = 0.0;
};
TubePlacement tubePlacement(const Vec3& p0, const Vec3& p1);

// Open cone frustum (no end caps) from p0 with radius r0 to p1 with radius r1: a GLU cylinder of
// 10 slices and 10 stacks with smooth outward normals. Draws nothing for a degenerate segment.
void drawTube(const Vec3& p0, double r0, const Vec3& p1, double r1);

// drawTube with one radius.
void drawRod(const Vec3& p0, const Vec3& p1, double r);

} // namespace tessivo
