#pragma once

#include "math/vec3.h"
#include "surfaces/crosscap/quad_strip.h"

#include <vector>

namespace tessivo {

// The morphing cross-cap: a family of Moebius bands whose boundary is one closed curve, from a
// thin flat band around the circle of radius 2 (morph 0) to the self-intersecting cross-cap
// whose boundary is the circle of radius 2.25 in the plane y = 0 (morph 1). Capping that
// boundary with a disc closes the band into the projective plane.
//
// a runs across the band (0 and 1 are its two sides), b along it. Every cross-section b is a
// cubic from P (a = 0) to Q (a = 1) that leaves P along D and arrives at Q along -D; half a
// period along the band swaps P and Q and keeps D, so S(a, b + 1) = S(1 - a, b): the band turns
// over, and its sides a = 0 and a = 1 join into one boundary curve S(0, b), 0 <= b < 2.
//
// Everything here is pure and recomputed on every call. morph is meant to lie in [0, 1] (other
// finite values extrapolate the morph); a and b may be any finite reals. Non-finite inputs give
// non-finite results.

// The point S(a, b) of the surface at the given morph. Period 2 in b; S(a, b + 1) = S(1 - a, b).
Vec3 crossCapPoint(double a, double b, double morph);

// Unit normal at (a, b): -(Da x Db) / |Da x Db| from one-sided differences with step 1e-5,
// Da = S(a + h, b) - S(a, b), Db = S(a, b + h) - S(a, b). On the side a = 1 of the band Da is
// taken backwards, S(a, b) - S(a - h, b), so that it stays on the surface: the flat band
// (morph 0) leaves its sides at zero speed, and a step beyond a = 1 would come back across the
// side and turn that whole column of normals over. Where the differences are parallel the
// fallbacks of differenceNormal apply; the result is always a finite unit vector.
Vec3 crossCapNormal(double a, double b, double morph);

// The rows i (0 .. 50) of the surface that are drawn: all 51, or when striped only those with
// i & 2 == 0 (two rows drawn, two left out: 0, 1, 4, 5, ..., 48, 49; 26 rows).
std::vector<int> crossCapStripRows(bool striped);

// Row i of the surface: the quad strip between b0 = i / 51 and b1 = (i + 1) / 51, with 30
// columns a = j / 29 (j = 0 .. 29), each emitting the point and normal at (a, b0) and then at
// (a, b1). Rows 0 .. 50 cover b from 0 to 1, half the period, which is the whole surface.
crosscap::QuadStrip crossCapStrip(int row, double morph);

// The surface as drawn: crossCapStrip of every row of crossCapStripRows(striped).
std::vector<crosscap::QuadStrip> crossCapSurface(double morph, bool striped);

// The 101 rings of the boundary tube: ring i (0 .. 100) sits at l = i / 99, b = 2 l, on the
// boundary curve p = S(0, b), with hue l. With the differences f = S(0, b + h) - p and
// k = p - S(0, b - h) (h = 1e-5) the tangent is T = normalise(k + f); u = c, v = T x c. Ring 0
// takes c = normalise(k x f), the binormal; every later ring takes the previous c made
// perpendicular to its own T, so that the frame never twists between rings (the binormal
// itself turns over where the boundary has an inflection, at b = 1 for morph 3/4). Where the
// curve stands still T is the previous tangent. Every field is finite for finite morph.
std::vector<crosscap::TubeRing> crossCapBoundaryRings(double morph);

// The boundary tube, radius 0.05, 11 sides: 99 quad strips, strip i (i = 2 .. 100) joining ring
// i (emitted first) to ring i - 1. They run from b = 2/99 to b = 2 + 2/99, once around the
// closed boundary; ring 0 only seeds ring 1. Vertex hues are the rings' hues.
std::vector<crosscap::QuadStrip> crossCapBoundaryTube(double morph);

// Where a dial angle (radians, any finite value) puts the moving cross-section: the fractional
// part of angle / 2 pi, in [0, 1). One full turn of the dial runs once along b from 0 to 1;
// negative angles count back from 1.
double crossCapSectionPosition(double dialAngle);

// The 51 rings of the cross-section tube at b: ring i (0 .. 50) at a = 0.02 i, p = S(a, b),
// tangent T = normalise(S(a + h, b) - S(a - h, b)) (h = 1e-5; at the sides the difference is
// taken one-sided, inside 0 <= a <= 1, because the flat band's section turns back on itself
// just beyond its ends); u = T x n, v = n. Ring 0 takes n = crossCapNormal(0, b); every later
// ring the previous n made perpendicular to its own T, so that the frame never twists between
// rings (the surface normal turns over across the pinch points of the cross-cap). Hues are
// left 0 (the section is drawn in one colour).
std::vector<crosscap::TubeRing> crossCapSectionRings(double morph, double b);

// The cross-section tube at the dial's position, radius 0.04, 9 sides: 50 quad strips, strip
// i (1 .. 50) joining ring i - 1 (emitted first) to ring i.
std::vector<crosscap::QuadStrip> crossCapSectionTube(double morph, double dialAngle);

} // namespace tessivo
