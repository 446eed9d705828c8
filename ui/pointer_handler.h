#pragma once

#include "math/vec2.h"

namespace tessivo {

// What receives the pointer's events. The shell sends every event to the handler under the
// pointer (or, during a drag, to the one that took the press). Every control is one, and so is
// the rotation controller that turns a scene's object. All operations do nothing by default.
class PointerHandler {
public:
    virtual ~PointerHandler() = default;

    // The handler becomes, or stops being, the one under the pointer.
    virtual void onEnter() {}
    virtual void onLeave() {}

    // A button goes down while the handler is hovered.
    virtual void onPress(const Vec2& /*p*/) {}
    // The pointer moves with a button held, after a press on this handler.
    virtual void onDrag(const Vec2& /*p*/) {}
    // The button goes up.
    virtual void onRelease(const Vec2& /*p*/) {}
    // The pointer moves with no button held, over this handler.
    virtual void onMove(const Vec2& /*p*/) {}
    // Right after onRelease, with the pointer's velocity over the last 100 ms in pixels per
    // second.
    virtual void onFling(const Vec2& /*p*/, const Vec2& /*velocity*/) {}
};

} // namespace tessivo
