#pragma once

#include "math/vec3.h"
#include "ui/control.h"

namespace tessivo {

// A ring with a knob that holds an angle in radians, unbounded. Dragging the knob around the
// centre turns it; released with a flick it keeps turning at the flick's angular speed, with no
// friction, until the next press. The owning scene reads angle every frame.
//
// position is the centre; the knob sits 15 pixels out, at angle counter-clockwise from +x.
class Dial : public Control {
public:
    void setAngle(double a) { angle = a; }
    // Sets the angle and the start angle that reset returns to; a scene's constructor uses it.
    void setStartAngle(double a) { angle = startAngle = a; }

    // Strictly inside the ring's outer radius of 20; for a finger, in its bounds.
    bool contains(const Vec2& p) const override;
    // The square around the ring, or the finger's square where that is larger.
    Rect bounds() const override;
    void draw() override;

    // Stops any spin and starts a drag.
    void onPress(const Vec2& p) override;
    // Adds the sine of the angle swept about the centre since the previous event (positive
    // counter-clockwise): many small steps add up to the swept angle, one large jump adds less.
    // A step from or to the very centre has no direction and adds nothing.
    void onDrag(const Vec2& p) override;
    void onRelease(const Vec2& /*p*/) override { dragging = false; }
    // The start angle, standing still.
    void reset() override;
    // Sets spin to the angular speed about the centre of a pointer at p moving with velocity
    // (pixels per second): the angle between p and where the pointer would be a millisecond
    // later, times 1000. A velocity below 0.1 pixel per second, or a release at the exact
    // centre (where the angle has no direction), leaves spin alone; speeds below 0.01 rad/s
    // count as none.
    void onFling(const Vec2& p, const Vec2& velocity) override;

    // Turns angle by spin over the time since the previous step (or the fling). Nothing while
    // the dial stands still.
    void advanceSpin(int now);
    bool animating() const override { return spin != 0.0; }

    // Where the knob is drawn, relative to the centre.
    Vec2 knobOffset() const;
    // The knob colour: darker pink while dragged, pale while the pointer is over the dial.
    Vec3 knobColour() const;

    double angle = 0.0;
    double startAngle = 0.0;
    // Pointer position at the last press or drag.
    Vec2 lastPoint;
    bool dragging = false;
    // Radians per second; 0 when still.
    double spin = 0.0;
    // The clock at the previous spin step, in milliseconds.
    int lastTime = 0;
};

} // namespace tessivo
