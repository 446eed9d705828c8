#include "scene/rotation_controller.h"

#include "math/angles.h"
#include "scene/clock.h"

#include <GL/gl.h>
#include <cmath>

namespace tessivo {

namespace {

std::array<float, 16> identityMatrix() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

// The coordinate axis on which a has its smallest component: the one least parallel to a, so
// that projecting it off a is well conditioned.
Vec3 leastAlignedAxis(const Vec3& a) {
    const double ax = std::fabs(a.x), ay = std::fabs(a.y), az = std::fabs(a.z);
    if (ax < ay && ax < az) {
        return {1, 0, 0};
    }
    if (ay <= ax && ay < az) {
        return {0, 1, 0};
    }
    return {0, 0, 1};
}

} // namespace

RotationController::RotationController()
    : orientation(identityMatrix()), startOrientation(identityMatrix()) {}

RotationController::RotationController(double yaw, double pitch) : RotationController() {
    rotateAbout({0, 1, 0}, yaw);
    rotateAbout({1, 0, 0}, pitch);
    keepAttitudeAsStart();
}

RotationController::RotationController(const Vec3& axis, double degrees) : RotationController() {
    rotateAbout(axis, degrees);
    keepAttitudeAsStart();
}

void RotationController::resetToStart() {
    orientation = startOrientation;
    spin = {0.0, 0.0};
    trail.clear();
}

void RotationController::apply() {
    glMultMatrixf(orientation.data());
    advanceSpin(nowMilliseconds());
}

void RotationController::advanceSpin(int now) {
    if (!hasApplied) {
        hasApplied = true;
        lastApplyTime = now;
        return;
    }
    const int dt = millisecondsBetween(lastApplyTime, now);
    lastApplyTime = now;
    if (spin.x != 0.0 || spin.y != 0.0) {
        rotateBy(spin.x * dt, spin.y * dt);
    }
}

void RotationController::rotateBy(double yaw, double pitch) {
    // Premultiplying by Ry(yaw) * Rx(-pitch) is the pitch turn followed by the yaw turn.
    rotateAbout({1, 0, 0}, -pitch);
    rotateAbout({0, 1, 0}, yaw);
}

void RotationController::rotateAbout(const Vec3& axis, double degrees) {
    // (u, w, a) is a right-handed orthonormal frame around the axis a. Each column v of the
    // orientation keeps its component along a; its (u, w) components turn by theta.
    const Vec3 a = normalised(axis);
    const Vec3 e = leastAlignedAxis(a);
    const Vec3 u = normalised(e - dot(e, a) * a);
    const Vec3 w = cross(a, u);
    const double theta = degrees * radiansPerDegree;
    const double c = std::cos(theta), s = std::sin(theta);
    for (int k = 0; k < 3; ++k) {
        float* column = &orientation[4 * k];
        const Vec3 v{column[0], column[1], column[2]};
        const double mu = dot(u, v), mw = dot(w, v);
        const Vec3 turned = v + (mu * c - mw * s - mu) * u + (mw * c + mu * s - mw) * w;
        column[0] = static_cast<float>(turned.x);
        column[1] = static_cast<float>(turned.y);
        column[2] = static_cast<float>(turned.z);
    }
}

void RotationController::onPress(const Vec2& p) {
    spin = {0.0, 0.0};
    lastPointer = p;
    trail.clear();
    trail.push_back(trailSample(p, wallClockMilliseconds()));
}

void RotationController::onDrag(const Vec2& p) {
    const Vec2 d = p - lastPointer;
    lastPointer = p;
    rotateBy(d.x, d.y);
    appendTrailSample(trail, trailSample(p, wallClockMilliseconds()), spinWindowMs);
}

void RotationController::onRelease(const Vec2& p) {
    if (auto released = trailVelocity(trail, p, wallClockMilliseconds(), spinWindowMs)) {
        spin = *released;
    }
}

} // namespace tessivo
