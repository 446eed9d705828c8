#pragma once

#include "ui/choice_row.h"

#include <array>

namespace tessivo {

// The row of three icons that says how a cross-cap scene shows its surface: item 0 hides it
// (a square outline), item 1 draws it solid (a filled square), item 2 draws it in stripes (four
// bars). Three items 20 pixels apart; all icons in the surfaces' green.
class SurfaceModeChoice : public ChoiceRow {
public:
    SurfaceModeChoice() : ChoiceRow(3, 20.0) {}

    // Item 0 the outline, item 1 the filled square, any other item the bars; centred at the
    // origin, 14 pixels wide.
    void drawItem(int i) override;

    // The outline of item 0: a closed line strip around the square (-7, -7)..(7, 7).
    static std::array<Vec2, 5> outlineCorners();
    // The four bars of item 2, each 2 pixels wide and 14 high, as (lower-left, upper-right)
    // corners: x from -7 to -5, -3 to -1, 1 to 3 and 5 to 7.
    static std::array<std::array<Vec2, 2>, 4> barCorners();
};

} // namespace tessivo
