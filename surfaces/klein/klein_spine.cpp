#include "surfaces/klein/klein_spine.h"

#include "math/angles.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {

constexpr double halfPi = pi / 2.0;

double clampUnit(double v) {
    return std::clamp(v, 0.0, 1.0);
}

// Unit vector at angle a in the horizontal plane.
Vec3 heading(double a) {
    return {std::cos(a), std::sin(a), 0.0};
}

} // namespace

StagePhases stagePhases(KleinStage stage, double progress) {
    // One clock s runs through the three phases in turn: [0, 1] bends, [1, 2] lengthens,
    // [2, 3] closes.
    double s = 3.0;
    StagePhases phases;
    phases.scale = 1.1;
    if (stage == Rolling) {
        s = 0.0;
        phases.scale = 0.6;
    } else if (stage == Closing) {
        s = 3.0 * progress;
        phases.scale = 0.6 + 0.5000000000000001 * progress;
    }
    phases.bend = clampUnit(s);
    phases.lengthen = clampUnit(s - 1.0);
    phases.close = clampUnit(s - 2.0);
    phases.mirror = stage == Label ? -1.0 : 1.0;
    return phases;
}

std::array<Vec3, 9> spineControlPoints(const StagePhases& phases) {
    const double r = phases.scale;
    const double a = phases.bend;
    const double bendAngle = a * halfPi;
    const double closeAngle = phases.close * halfPi;
    // The body's height: the neck's height 0.2 r plus two hanging ends of 0.7 r, so that the
    // closed ends meet half-way up the body.
    const double bodyHeight = 0.2 * r + 0.7 * r + 0.7 * r;
    const double endDrop = 0.7 * r;

    std::array<Vec3, 9> p;
    p[0] = {-2.0 * r - endDrop * std::cos(closeAngle), 0.0,
            bodyHeight - endDrop * std::sin(closeAngle)};
    p[1] = {-2.0 * r, 0.0, bodyHeight};
    p[2] = {0.0, 0.0, bodyHeight};
    p[3] = {2.5 * r, 0.0, (1.0 - a) * bodyHeight + a * 0.2 * r};
    // The loop turns by the bend angle at each of P4, P5 and P6, three quarter turns in all
    // when fully bent, and P7 goes back the way P5 came, under the body.
    p[4] = p[3] + 2.0 * r * heading(bendAngle);
    p[5] = p[4] + 2.5 * r * heading(2.0 * bendAngle);
    p[6] = p[5] + 2.0 * r * heading(3.0 * bendAngle);
    p[7] = p[6] + 2.0 * r * heading(2.0 * bendAngle);
    p[8] = p[7] + endDrop * std::cos(closeAngle) * heading(2.0 * bendAngle) +
           Vec3{0.0, 0.0, endDrop * std::sin(closeAngle)};
    for (Vec3& point : p) {
        point.x *= phases.mirror;
    }
    return p;
}

double spineParameter(int row, int rows, double lengthen) {
    return row * (lengthen + 1.0) * 0.5 / (rows - 1);
}

SpineFrame spineFrame(const BSplineCurve& spine, double u) {
    constexpr double verticalLimit = 0.00001;
    constexpr double retryStep = 0.1;
    Vec3 point;
    Vec3 tangent;
    spine.pointAndTangent(u, point, tangent);

    Vec3 flat{tangent.x, tangent.y, 0.0};
    if (flat.x * flat.x + flat.y * flat.y < verticalLimit) {
        // A vertical spine has no horizontal direction of its own; borrow the one a little
        // further inside the curve, where it has turned away from the vertical.
        Vec3 nearPoint;
        Vec3 nearTangent;
        spine.pointAndTangent(u < 0.5 ? u + retryStep : u - retryStep, nearPoint, nearTangent);
        flat = {nearTangent.x, nearTangent.y, 0.0};
    }

    SpineFrame frame;
    frame.up = {0.0, 0.0, 1.0};
    frame.side = normalised(Vec3{flat.y, -flat.x, 0.0});
    frame.along = {-frame.side.y, frame.side.x, 0.0};
    const Vec3 binormal = cross(tangent, frame.side);
    frame.ground = {point.x, point.y, 0.0};
    frame.point = point;
    frame.binormalFlat = {binormal.x, binormal.y, 0.0};
    frame.binormalUp = binormal.z;
    frame.height = point.z;
    return frame;
}

} // namespace tessivo
