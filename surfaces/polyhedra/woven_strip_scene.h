#pragma once

#include "scene/rotation_controller.h"
#include "scene/scene.h"

#include <string>

namespace tessivo {

class Dial;
class Slider;

// "Moebius intrecciato": the woven Moebius band, a flat band that winds twice around a circle
// while its cross-section makes three half-turns, split along its centre line and notched with
// slots so that its two passes run through each other. Its three controls are read every
// frame: the cut slider removes the band from its end (0 the whole band), the edge slider
// shortens the tube along its edge (0 the whole tube), and the dial turns the cross-section
// about the centre circle, so that the band rolls along itself (a flick keeps it rolling).
class WovenStripScene : public Scene {
public:
    // Registers the scene as "ring" and adds, from the bottom-left corner, the cut slider at
    // (150, 60), the edge slider at (150, 20) and the twist dial at (250, 20), all at 0.
    WovenStripScene();
    ~WovenStripScene() override;

    // Light 0 and a white specular, then the band 10 units ahead of the eye, turned by the
    // scene's own rotation: slot walls, faces, edge tube and, when it is cut, the end caps.
    void display() override;

    RotationController* rotation() override;

    // Starts at the identity: the band lies in the screen's plane.
    RotationController ownRotation;
    // Owned by the panel.
    Slider* cutSlider;
    Slider* edgeSlider;
    Dial* twistDial;
};

} // namespace tessivo
