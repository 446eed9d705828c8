#pragma once

#include "math/b_spline_curve.h"
#include "math/vec3.h"

#include <array>

namespace tessivo {

// The stages of the bottle's construction. Values other than these are drawn as a plain
// surface.
enum KleinStage : int { Rolling = 0, Closing = 1, Bottle = 2, Label = 4, Halves = 7 };

// How far the spine has travelled from a straight line to the bottle's closed loop, for one
// stage and progress.
//
// The closing stage runs three phases one after another as its progress goes 0 -> 1: bend
// (the far half of the spine swings round in the horizontal plane and drops to the neck
// height), lengthen (the tube grows from the first half of the spine to all of it) and close
// (both ends turn down and meet vertically). Rolling has all three at 0, every later stage at
// 1. Each phase is clamped to [0, 1], so a progress outside [0, 1] holds the nearest end.
struct StagePhases {
    double bend = 0.0;
    double lengthen = 0.0;
    double close = 0.0;
    // Overall size: 0.6 while rolling, growing to 1.1 as the tube closes.
    double scale = 0.6;
    // -1 mirrors the spine in x (the label stage), +1 leaves it.
    double mirror = 1.0;
};
StagePhases stagePhases(KleinStage stage, double progress);

// The nine control points of the spine. The body runs high (height 1.6 * scale) from P1 to P2;
// P3 dips to the neck height; P3..P7 chain round a horizontal loop whose turning angle grows
// with the bend phase; P0 and P8 hang off the ends and turn downwards with the close phase
// until both sit at (-2 * scale, 0, 0.9 * scale) for the finished bottle. The chain P3..P8 is
// built unmirrored and then mirrored in x as a whole, like P0 and P1.
std::array<Vec3, 9> spineControlPoints(const StagePhases& phases);

// The frame that carries one ring of the tube along the spine. The ring is a circle in the
// vertical plane across the spine, centred on the ground point straight below the spine point
// and passing through it, so its radius is the spine point's height.
struct SpineFrame {
    Vec3 ground;         // the spine point with z = 0: the ring's centre
    Vec3 point;          // the spine point
    Vec3 up;             // (0, 0, 1)
    Vec3 along;          // up x side: the spine's horizontal direction
    Vec3 side;           // unit, horizontal, across the spine
    Vec3 binormalFlat;   // x and y of tangent x side, z = 0
    double binormalUp{}; // z of tangent x side
    double height{};     // z of the spine point: the ring's radius
};

// The spine parameter of row i of rows samples while the lengthen phase is at lengthen: the
// samples cover [0, 0.5] of the spine at lengthen 0 and all of [0, 1] at 1. Domain: rows >= 2.
double spineParameter(int row, int rows, double lengthen);

// The frame at parameter u of spine. The side vector comes from the tangent's horizontal part;
// where the spine runs vertically (horizontal part squared below 1e-5, as at the closed ends
// of the bottle) the horizontal part is taken from the tangent 0.1 further inside the curve,
// while the point and the binormal stay those at u. On a spine that runs vertically for 0.1 on
// end the side has no direction and the frame is NaN; the spines of spineControlPoints never
// do.
SpineFrame spineFrame(const BSplineCurve& spine, double u);

} // namespace tessivo
