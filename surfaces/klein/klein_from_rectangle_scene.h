#pragma once

#include "surfaces/klein/klein_scene.h"

namespace tessivo {

class Slider;

// "Dal rettangolo alla bottiglia di Klein": a slider rolls a rectangle into a tube over its
// first half, then bends, lengthens and closes the tube into the bottle over its second half.
// Coloured marks show which edges of the rectangle are glued, and in which direction.
class KleinFromRectangleScene : public KleinScene {
public:
    explicit KleinFromRectangleScene(RotationController& rotation);

    Slider* slider;

    StageSetting setting() const override;
};

} // namespace tessivo
