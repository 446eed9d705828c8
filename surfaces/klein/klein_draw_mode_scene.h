#pragma once

#include "surfaces/klein/klein_scene.h"

namespace tessivo {

class AppearanceRow;

// "La bottiglia di Klein": the finished bottle, drawn solid, striped (every other band left
// out, so the inside shows) or as glass, as a row of three icons chooses.
class KleinDrawModeScene : public KleinScene {
public:
    explicit KleinDrawModeScene(RotationController& rotation);

    AppearanceRow* choice;

    StageSetting setting() const override;
};

} // namespace tessivo
