#pragma once

#include "math/angles.h"
#include "surfaces/klein/klein_spine.h"

namespace tessivo {

// How the rings of the tube are shaped for one stage.
//
// roll is K: 1 for a full ring, near 0 for a flat strip. While rolling K = 0.99 progress + 0.01.
// A cut opening above 0 (the halves) keeps only the upper half ring (angles -pi/2..pi/2) and
// opens it with K = 1 - 0.99 opening; it overrides the rolling. The angles are scaled by K too,
// so a ring of any K starts and ends symmetrically about the spine point.
struct RingShape {
    double roll = 1.0;
    double lowAngle = -pi;
    double highAngle = pi;
    bool cut = false;
};
// Domain: cutOpening <= 1 (at 1 the half ring is 100 times its radius, nearly flat); above
// 1.0101 the roll would reach 0 and the ring would have no radius.
RingShape ringShape(KleinStage stage, double progress, double cutOpening);

struct MeshPoint {
    Vec3 position;
    Vec3 normal;
};

// The angle of column j of columns around a ring of the given shape; 0 is the spine point.
// Domain: columns >= 2.
double ringAngle(const RingShape& shape, int column, int columns);

// The mesh point of one column on the ring of a frame.
//
// Whole rings: the blend, by K, of the circle through the spine point centred on the ground
// point (radius h) and of a flat strip of width 1 across the spine through the spine point:
//   position = K (G + h R) + (1 - K) (G + (c - 0.5) S + h cos(phi) Z),
// with R = sin(phi) S + cos(phi) Z the ring's radial direction and c = j / (columns - 1). The
// normal is the binormal with its vertical part turned by the same blend, normalised:
//   normal = normalise(K (Bflat + Bup R) + (1 - K) (Bflat + Bup Z)).
// It never vanishes for K >= 0 because Bflat is perpendicular to S and Z, and the blended
// direction K R + (1 - K) Z can only vanish at |phi| = pi with K = 1/2, which a ring of that K
// never reaches (its angles are scaled by K).
//
// Cut half rings: the radius grows to h / K about a centre moved down the same amount, so the
// ring still passes through the spine point while the half ring keeps its arc length pi h and
// opens flatter as K falls; the normal Bflat + Bup R is already of unit length.
MeshPoint ringPoint(const SpineFrame& frame, const RingShape& shape, int column, int columns);

} // namespace tessivo
