#pragma once

#include "math/vec3.h"
#include "surfaces/crosscap/quad_strip.h"

#include <vector>

namespace tessivo {

// The embedded band: a Moebius band without self-intersection whose boundary is a plane circle.
// Each line of constant b is a cubic Bezier curve from the core circle of radius 2 in the plane
// y = 0 (a = 0; the core is run around twice while b runs once, which is what makes the band one-
// sided) out to the boundary circle of radius 1.2 in the plane x = 0 around (0, 0, -2) (a = 1;
// run around once). The band grows from its core as a grows, so drawing it up to some a shows a
// Moebius band widening until its edge is the circle.
//
// a is meant to lie in [0, 1] (other finite values extrapolate the cubic); b may be any finite
// real, period 1. Everything is pure and recomputed on every call.

// The point B(a, b): the cubic Bezier of the four control points at phi = 2 pi b, evaluated by
// repeated linear interpolation (de Casteljau). B(0, b) has period 0.5, B(1, b) period 1.
Vec3 bandPoint(double a, double b);

// Unit tangent along b: normalise(B(a, b + h) - B(a, b - h)), h = 1e-4. Should the central
// difference vanish (a curve of constant a standing still), the forward difference along a is
// used instead, and failing that (1, 0, 0): always finite and unit.
Vec3 bandTangent(double a, double b);

// Unit normal normalise(Da x Db), Da = B(a + h, b) - B(a, b), Db = B(a, b + h) - B(a, b),
// h = 1e-4 (not negated). Where the differences are parallel the fallbacks of
// differenceNormal apply; always finite and unit.
Vec3 bandNormal(double a, double b);

// The values of a at which the band between aStart and aEnd has its columns: a_i = aStart +
// i (1 - aStart) 0.025 for i = 0, 1, ..., the first value not below aEnd replaced by aEnd, which
// ends the list. The band thus always reaches aEnd, where its edge tube is drawn. For
// 0 <= aStart <= aEnd <= 1 there are at most 41 columns (a_40 = 1); column 40 is aEnd in any
// case, so the list is bounded for any finite input. aEnd <= aStart gives the single column aEnd.
std::vector<double> bandColumns(double aStart, double aEnd);

// The rows k whose strips are drawn, between b0 = k / 92 and b1 = (k + 1) / 92: k = 0 .. 91,
// or every second one (0, 2, .., 90; 46 rows) when striped.
std::vector<int> bandStripRows(bool striped);

// The band between aStart and aEnd: one quad strip per row of bandStripRows(striped); per
// column a of bandColumns(aStart, aEnd), the point and normal at (a, b1), then at (a, b0).
std::vector<crosscap::QuadStrip> bandSurface(double aStart, double aEnd, bool striped);

// The 94 rings of the tube along the curve of constant a: first the ring at b = 1, then the
// rings at b = k / 92 for k = 0 .. 92, each with centre p = B(a, b), u = n = bandNormal(a, b),
// v = s = n x T with T = bandTangent(a, b), so that the outward direction d = sin(psi) s +
// cos(psi) n. Hues are left 0.
std::vector<crosscap::TubeRing> bandEdgeRings(double a);

// The tube along the curve of constant a, radius 0.05, 9 sides: 93 quad strips, strip k
// joining ring k (emitted first) to ring k + 1 of bandEdgeRings. The first strip, from b = 1 to
// b = 0, has zero length.
std::vector<crosscap::QuadStrip> bandEdgeTube(double a);

} // namespace tessivo
