#pragma once

#include "ui/pointer_handler.h"
#include "ui/widget.h"

namespace tessivo {

// A control that is its own pointer handler: it takes the pointer wherever it contains it and
// shows while the pointer rests on it.
class Control : public Widget, public PointerHandler {
public:
    PointerHandler* target(const Vec2& p) override { return contains(p) ? this : nullptr; }

    void onEnter() override { hover = true; }
    void onLeave() override { hover = false; }

    // The pointer rests on the control.
    bool hover = false;
};

} // namespace tessivo
