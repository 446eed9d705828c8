#pragma once

#include "ui/choice_row.h"

namespace tessivo {

// The choice of what becomes of the middle piece of the band cut in three: kept in the band's
// colour, highlighted in yellow, or taken away. Each icon shows the band's three pieces as
// horizontal bars. Three items 20 pixels apart.
class MiddlePieceRow : public ChoiceRow {
public:
    MiddlePieceRow() : ChoiceRow(3, 20.0) {}

    // Item 0 with a middle bar in the band's colour, 1 with a yellow one, 2 or more without.
    void drawItem(int i) override;
};

} // namespace tessivo
