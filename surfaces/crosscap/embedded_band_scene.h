#pragma once

#include "scene/rotation_controller.h"
#include "scene/scene.h"

#include <string>

namespace tessivo {

class Slider;
class SurfaceModeChoice;

// How far across the embedded band the scene draws it for a slider value in [0, 1]: from a
// tenth of the way (a narrow band around the core circle) up to 1 (out to the boundary circle).
// Linear, 0.9 v + 0.1; values outside [0, 1] extrapolate.
double embeddedBandReach(double sliderValue);

// "Cappuccio incrociato senza incroci": a Moebius band without self-intersection that the
// slider grows from its core circle out to its boundary, which is a plane circle; a tube marks
// the band's current edge. The row shows the band solid (1), striped (2) or not at all (0),
// leaving the edge tube alone.
class EmbeddedBandScene : public Scene {
public:
    // Registered as "ProjectivePlane2". Adds the slider at (200, 30) and the surface row at
    // (300, 30) from the bottom-left corner; the row starts at item 1 (solid).
    EmbeddedBandScene();

    // The edge tube at the slider's reach, then the band from the core circle up to it, 8 units
    // in front of the eye.
    void display() override;
    RotationController* rotation() override { return &ownRotation; }

    RotationController ownRotation{160.0, 30.0};
    // Owned by the panel.
    Slider* slider = nullptr;
    SurfaceModeChoice* surfaceChoice = nullptr;
};

} // namespace tessivo
