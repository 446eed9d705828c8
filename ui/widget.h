#pragma once

#include "math/rect.h"
#include "math/vec2.h"

namespace tessivo {

class PointerHandler;

// The window corner that a control's offset is measured from.
enum Anchor : int { TopLeft = 0, BottomLeft = 1, TopRight = 2, BottomRight = 3 };

// Base of every on-screen control: where it sits, whether it is drawn, which points belong to
// it. A concrete control derives from Widget and from PointerHandler, most of them through
// Control; target() hands out its PointerHandler part.
class Widget {
public:
    virtual ~Widget() = default;

    // Whether p (overlay coordinates) belongs to the control.
    virtual bool contains(const Vec2& /*p*/) const { return false; }

    // The handler that should receive the pointer at p, or nullptr. Usually the control itself
    // when contains(p). Not const: some controls remember the point (the menu, choice rows).
    virtual PointerHandler* target(const Vec2& /*p*/) { return nullptr; }

    // The area the control takes at rest (a menu or emblem closed), in overlay units: where it
    // draws and where it answers the pointer, whichever is larger. Text drawn over the view
    // keeps out of it. Empty for a control that takes no area.
    virtual Rect bounds() const { return {}; }
    // Draws the control in the overlay (lighting and depth test are off).
    virtual void draw() = 0;
    // Back to the values the control started with, neither under the pointer nor held. What is
    // on screen right after equals what was there right after start.
    virtual void reset() {}
    // Whether the control's picture changes with time alone, without input: while it unfolds,
    // folds up or spins. What draws only the frames that can differ asks this before each one.
    virtual bool animating() const { return false; }

    // position = offset + the anchor's corner of a width x height window. Any anchor other than
    // the four corners counts as bottom-left.
    void layout(int width, int height);

    Vec2 offset;
    Vec2 position;
    int anchor = BottomLeft;
    // The least side, in overlay units, of the area where the control takes the pointer: a
    // finger's target. 0 keeps the control's own area.
    double touchSide = 0.0;
    // A hidden control is not drawn, but it still takes part in hit testing.
    bool hidden = false;

protected:
    // For a round control of the given radius about position: strictly inside that circle,
    // or for a finger (touchSide > 0) inside bounds().
    bool roundContains(const Vec2& p, double radius) const;
    // The square around the circle, or the finger's square where that is larger.
    Rect roundBounds(double radius) const;
};

} // namespace tessivo
