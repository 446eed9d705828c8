#pragma once

#include "math/vec3.h"

#include <array>
#include <vector>

namespace tessivo {

// The woven Moebius band: a flat band whose centre line runs twice around a circle of radius
// 2.5 in the plane z = 0 while its cross-section turns by three half-turns. The two passes over
// one point of the circle (parameters s and s + 1/2) cross at right angles; the band is split
// along its centre line and notched with rounded slots so that each pass runs through the
// other's slots. Everything here is plain geometry; woven_strip_drawing.h emits it.
//
// The band's parameter s runs over [0, 1] in 650 steps of 1/649; its edge tube over [0, 2] (both
// long edges, which form one closed curve) in 200 segments of 0.01. The dial angle phi turns the
// cross-section about the centre circle; cut in [0, 1] removes the band from its end, trim in
// [0, 1] shortens the edge tube.

constexpr double wovenCircleRadius = 2.5;
constexpr double wovenHalfWidth = 0.8;
constexpr double wovenHalfThickness = 0.05;
constexpr double wovenSlotDepth = 0.6;
constexpr double wovenEdgeTubeRadius = 0.08;
constexpr int wovenBandSteps = 650;
constexpr int wovenSlotPeriod = 50;
constexpr int wovenEdgeSegments = 200;
constexpr int wovenRingPositions = 10;

// The moving frame of the band at parameter s with dial angle phi: the centre on the circle,
// the circle's unit tangent, and the unit width and normal directions, which span the plane
// normal to the circle and are turned in it by psi = 3 pi s + phi. Any finite s and phi: the
// centre has period 1/2 in s, and W(s + 1/2) = -N(s), W(s + 1) = -W(s), N(s + 1) = -N(s).
struct StripFrame {
    Vec3 centre;
    Vec3 tangent;
    Vec3 width;
    Vec3 normal;
};
StripFrame stripFrame(double s, double phi);

// The slot profile at band step i. Each period of 50 steps starts with a slot 32 steps long, a
// half ellipse of depth 0.6 cut from the centre line outwards: x runs from 1 to -1 across it,
// y = sqrt(1 - x^2), depth = 0.6 y. The other 17 steps have x = 0, y = 1 and depth 0. (x, y)
// also tilts the slot wall's normal. Any int i: negative steps continue the period backwards.
struct SlotProfile {
    double x;
    double y;
    double depth;
};
SlotProfile slotProfile(int step);

// The band's step count n = (1 - cut) 650 truncated: 650 for the whole band, 0 when cut is 1.
// cut is clamped to [0, 1]; NaN counts as 0 (the whole band).
int stripStepCount(double cut);
// The step of the band's far end, L = n - 1; -1 when nothing is left.
int stripEndStep(double cut);
// The edge tube's segment count e = (1 - trim) 200 truncated, trim clamped like cut.
int edgeSegmentCount(double trim);

// Whether vertex pair i of a face strip of n pairs of a cut band is drawn in the red marking
// colour: the first 3 and, when the strip is longer than 7 pairs, the last 4.
bool stripPairMarked(int i, int n);
// Whether segment f of a trimmed edge tube of e segments is red: the first, and the last when
// there are more than 2.
bool edgeSegmentMarked(int f, int e);

// The six parts of the band: 0..3 are the faces of the two halves, 4 and 6 the slot walls along
// their inner edges. Bit 2 of the part number selects a wall, bit 1 sets sigma = +1 (the half on
// the +W side, else -1), bit 0 sets tau = +1 (else -1), and the face or wall edge lies at
// offset = 0.05 sigma tau along N. Parts outside 0..7 do not exist (valid = false).
struct StripPart {
    bool valid;
    bool wall;
    double sigma;
    double offset;
};
StripPart stripPart(int part);

// One vertex pair of a part's quad strip with its normal. Faces run from the slot edge out to
// the band's edge; walls run across the thickness along the slot edge.
struct StripVertexPair {
    Vec3 normal;
    Vec3 first;
    Vec3 second;
    bool marked;
};
// The n vertex pairs of a part, at s = i/649 for i = 0..n-1. Pairs of a face are marked (red)
// as stripPairMarked says when cut > 0; walls are never marked. Empty for a part that does not
// exist or when n = 0.
std::vector<StripVertexPair> stripPartVertices(int part, double phi, double cut);

// A quad closing one half of the band's cross-section at an end of a cut band.
struct CapPolygon {
    Vec3 normal;
    std::array<Vec3, 4> corners;
};
// Four quads, two at s = 0 and two at s = L/649, each spanning one half from the slot depth out
// to the edge and across the thickness, with the tangent as normal. Empty when L < 0.
std::vector<CapPolygon> stripCapPolygons(double phi, double cut);

// One segment of the edge tube: a triangle strip of 20 vertices, rings of 10 at the segment's
// two ends taken alternately (ring position 9 repeats 0 and closes the tube).
struct TubeVertex {
    Vec3 normal;
    Vec3 position;
};
struct EdgeTubeSegment {
    std::array<TubeVertex, 2 * wovenRingPositions> vertices;
    bool marked;
};
// The ring of the edge tube around C(s) + 0.8 W(s): position j at angle j 2pi/9, its unit normal
// sin(a) N + cos(a) W, its point 0.08 out along the normal.
std::array<TubeVertex, wovenRingPositions> edgeTubeRing(double s, double phi);
// The e segments of the edge tube, segment f from s = 0.01 f to 0.01 (f + 1); marked as
// edgeSegmentMarked says when trim > 0.
std::vector<EdgeTubeSegment> edgeTubeSegments(double phi, double trim);

} // namespace tessivo
