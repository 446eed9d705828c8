#pragma once

#include "math/vec3.h"

namespace tessivo {

// The palette that the controls share, as RGB in 0..1.

// Resting colour of buttons, tracks and knobs.
inline const Vec3 controlIdleColour{0.1, 0.8, 0.8};

// A track knob: deep blue while it is dragged, pale while the pointer is over its control,
// else the resting colour.
inline Vec3 knobColour(bool dragging, bool hover) {
    if (dragging) {
        return {0.2, 0.1, 0.8};
    }
    if (hover) {
        return {0.8, 0.85, 0.85};
    }
    return controlIdleColour;
}

} // namespace tessivo
