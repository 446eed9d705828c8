#pragma once

#include "math/vec3.h"
#include "ui/choice_row.h"

namespace tessivo {

// Three icons, 20 pixels apart, for how a surface is drawn, in the surface's colour: a filled
// square (solid), four bars (striped, every other band left out) and a half-transparent square
// (glass). Item i selects appearance i.
class AppearanceRow : public ChoiceRow {
public:
    explicit AppearanceRow(const Vec3& colour) : ChoiceRow(3, 20.0), colour(colour) {}

    // Item 0 solid, 1 striped, 2 or more glass.
    void drawItem(int i) override;

    Vec3 colour;
};

} // namespace tessivo
