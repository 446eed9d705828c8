#pragma once

#include "scene/scene.h"
#include "surfaces/klein/klein_scene_settings.h"

#include <string>

namespace tessivo {

// A scene of the Klein bottle family: it draws the bottle's stage that its one control sets and
// turns it with the rotation that the whole family shares, so the bottle keeps its attitude
// when the user steps between these scenes.
class KleinScene : public Scene {
public:
    KleinScene(const std::string& identifier, SceneWording wording, RotationController& rotation);

    RotationController* rotation() override;

    // Places the bottle 10 units ahead of the eye, turns it by the shared rotation and draws
    // the setting of this frame; leaves the modelview matrix as it found it.
    void display() override;

    // What the scene's control asks the bottle to show now.
    virtual StageSetting setting() const = 0;

private:
    RotationController& sharedRotation;
};

} // namespace tessivo
