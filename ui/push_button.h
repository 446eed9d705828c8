#pragma once

#include "math/vec3.h"
#include "ui/control.h"

namespace tessivo {

// A filled 14 x 14 pixel square centred on position, whose colour shows whether the pointer is
// over it and whether it is held down. A click, a press on the button followed by a release
// still over it, runs onClick. Variants replace the drawing, the click or both.
class PushButton : public Control {
public:
    // The button takes the pointer strictly inside a circle of radius 10 around its centre, a
    // little more than the square it draws; for a finger, in its bounds.
    bool contains(const Vec2& p) const override;
    // The square around the hit circle, or the finger's square where that is larger.
    Rect bounds() const override;
    void draw() override;

    // What a click does; nothing for the plain button.
    virtual void onClick() {}

    void onPress(const Vec2& /*p*/) override { pressed = true; }
    void reset() override { hover = pressed = false; }
    // A release off the button (after dragging away with the button held) clears the pressed
    // look without a click.
    void onRelease(const Vec2& p) override;

    // The fill colour for the current hover and pressed flags: cyan at rest, pale cyan under
    // the pointer, red while held, pale red while held under the pointer.
    Vec3 stateColour() const;

    bool pressed = false;
};

} // namespace tessivo
