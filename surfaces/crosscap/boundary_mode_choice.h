#pragma once

#include "math/vec3.h"
#include "ui/choice_row.h"

#include <vector>

namespace tessivo {

// The row of four icons that says how the cross-cap scene shows the band's boundary:
//   0  hidden: a dashed black circle of radius 6;
//   1  plain tube: a ring between radii 6 and 8 in one earthy colour;
//   2  coloured tube: the same ring running through the hue ramp, as the tube does;
//   3  coloured tube and the moving cross-section: the coloured ring crossed by a bar.
// Four items 20 pixels apart.
class BoundaryModeChoice : public ChoiceRow {
public:
    BoundaryModeChoice();

    // Item 0, 1 or 3 as listed above; 2 and any other value the coloured ring. Centred at the
    // origin.
    void drawItem(int i) override;

    // The colour of the ring's spoke whose inner point is ringPoints[index] (index 0 .. 38, even):
    // the hue ramp at index / 39, so the ring's colours run once around like the tube's.
    static Vec3 spokeColour(int index);

    // The ring's 20 spokes at angles k 2 pi / 19, k = 0 .. 19, each as its inner point (radius
    // 6) followed by its outer point (radius 8): 40 points. The last spoke repeats the first,
    // which closes the ring when the points are drawn as one quad strip.
    std::vector<Vec2> ringPoints;
};

} // namespace tessivo
