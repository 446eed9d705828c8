#pragma once

#include "ui/choice_row.h"

namespace tessivo {

// The wheel scene's choice of how the band under the wheels looks: solid (a filled square),
// striped (four bars) or translucent (a half-transparent square). Three items 20 pixels apart.
class AppearanceRow : public ChoiceRow {
public:
    AppearanceRow() : ChoiceRow(3, 20.0) {}

    // Item 0 solid, 1 striped, 2 or more translucent.
    void drawItem(int i) override;
};

} // namespace tessivo
