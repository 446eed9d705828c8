#pragma once

#include "ui/choice_row.h"

namespace tessivo {

// Three icons for how the finished bottle is drawn: a filled square (solid), four bars
// (striped) and a half-transparent square (glass). Item i selects draw mode i.
class DrawModeChoice : public ChoiceRow {
public:
    DrawModeChoice() : ChoiceRow(3, 20) {}

    void drawItem(int i) override;
};

} // namespace tessivo
