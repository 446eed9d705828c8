#pragma once

#include "surfaces/moebius/strip_primitive.h"

#include <variant>
#include <vector>

namespace tessivo {

// An RGBA colour, each channel 0..1.
struct StripColour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;
};

// A rendering of the strip as plain values, in drawing order, so that what each rendering
// draws can be inspected without GL. The steps are:
// - a material: ambient-and-diffuse colour for front and back faces;
// - a primitive;
// - a selection name that replaces the top of the name stack (for picking);
// - translucency on (depth writes off, blending by source alpha) or off (the reverse).
struct StripMaterialStep {
    StripColour colour;
};
struct StripNameStep {
    int name = 0;
};
struct StripTranslucencyStep {
    bool on = false;
};
using StripDrawStep =
    std::variant<StripMaterialStep, StripPrimitive, StripNameStep, StripTranslucencyStep>;
using StripDrawing = std::vector<StripDrawStep>;

// Emits the steps in order. Needs a current GL context.
void playStripDrawing(const StripDrawing& drawing);

} // namespace tessivo
