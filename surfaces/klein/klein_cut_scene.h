#pragma once

#include "surfaces/klein/klein_scene.h"

namespace tessivo {

class Slider;

// "Bottiglia di Klein tagliata in due": the bottle cut along its plane of symmetry. The first
// half of the slider swings the two halves apart, the second half unrolls both flat.
class KleinCutScene : public KleinScene {
public:
    explicit KleinCutScene(RotationController& rotation);

    Slider* slider;

    StageSetting setting() const override;
};

} // namespace tessivo
