#pragma once

#include "ui/push_button.h"

namespace tessivo {

class StripModel;

// The plus, minus and cross buttons of the wheel scene: the plain push button's square with an
// icon over it, acting on the wheels of the scene's strip when clicked. The strip belongs to
// the scene, which outlives its buttons.
class WheelButton : public PushButton {
public:
    enum class Action {
        Add,    // plus: a new wheel at the end of the band
        Remove, // minus: the oldest wheel goes
        Clear,  // cross: every wheel goes
    };

    WheelButton(StripModel* strip, Action action) : strip(strip), action(action) {}

    // The square in its state colour, then the icon in brown: a plus, a minus, or a plus
    // turned by 45 degrees into a cross.
    void draw() override;
    void onClick() override;

    StripModel* strip;
    Action action;
};

} // namespace tessivo
