#pragma once

#include "surfaces/klein/klein_scene.h"

namespace tessivo {

class Dial;

// "Etichetta sulla bottiglia": a picture label on a glass bottle. Turning the dial slides the
// label along the bottle; after one full turn it has gone once around and comes back
// mirrored, after two it reads right again.
class KleinLabelScene : public KleinScene {
public:
    explicit KleinLabelScene(RotationController& rotation);

    Dial* dial;

    StageSetting setting() const override;
};

} // namespace tessivo
