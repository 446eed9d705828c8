#pragma once

#include "math/vec2.h"
#include "math/vec3.h"
#include "scene/trail_sample.h"
#include "ui/pointer_handler.h"

#include <array>
#include <vector>

namespace tessivo {

// The orientation of a scene's object, turned by dragging on empty space: one degree per pixel,
// and a flick leaves the object spinning at the speed of the last 200 ms of the drag until the
// next press. All turns act about the axes of the screen (x right, y up, z towards the viewer),
// whatever the object's current orientation: they premultiply the orientation.
class RotationController : public PointerHandler {
public:
    // Identity orientation, at rest.
    RotationController();
    // Identity turned by yaw degrees about the screen's y axis, then by pitch degrees about its
    // x axis.
    RotationController(double yaw, double pitch);
    // Identity turned by degrees about an axis of the screen frame (not zero).
    RotationController(const Vec3& axis, double degrees);

    // From now on resetToStart returns to the present orientation.
    void keepAttitudeAsStart() { startOrientation = orientation; }
    // The start orientation, standing still.
    void resetToStart();

    // Multiplies the current GL matrix by the orientation, then advances the spin by the time
    // since the previous apply.
    void apply();

    // Advances the spin to the time now (ms). The first call only records the time.
    void advanceSpin(int now);
    bool spinning() const { return spin.x != 0.0 || spin.y != 0.0; }

    // Turns by yaw degrees about the screen's y axis and by -pitch degrees about its x axis:
    // orientation = Ry(yaw) * Rx(-pitch) * orientation.
    void rotateBy(double yaw, double pitch);

    // Turns by degrees, right-handed, about an axis of the screen frame. The axis must not be
    // zero (it has no direction).
    void rotateAbout(const Vec3& axis, double degrees);

    void onPress(const Vec2& p) override;
    void onDrag(const Vec2& p) override;
    void onRelease(const Vec2& p) override;

    // 4x4 in GL column-major order; only the upper-left 3x3 block ever changes. It is not
    // re-orthonormalised: float rounding may make it drift slightly from a pure rotation over a
    // long run, which GL_NORMALIZE hides.
    std::array<float, 16> orientation;
    std::array<float, 16> startOrientation;
    // Degrees per millisecond: x is the yaw rate, y the pitch rate (as in rotateBy).
    Vec2 spin;
    Vec2 lastPointer;
    int lastApplyTime = -1;
    bool hasApplied = false;
    std::vector<TrailSample> trail;
    // The spin a release leaves is the trail's velocity over this window, in pixels (degrees)
    // per millisecond; where the trail gives none (a release in the millisecond of its
    // reference sample) the spin is left as it is.
    static constexpr int spinWindowMs = 200;
};

} // namespace tessivo
