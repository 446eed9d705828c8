#pragma once

#include "scene/rotation_controller.h"
#include "scene/scene.h"

#include <string>

namespace tessivo {

class BoundaryModeChoice;
class Dial;
class Slider;
class SurfaceModeChoice;

// What the cross-cap scene draws for a choice of its two rows: the surface (item 1 solid,
// item 2 striped, 0 none) and the boundary tube (item 1 plain, 2 coloured, 3 coloured with the
// moving cross-section, 0 none). Choices outside the rows count as the nearest reading of these
// rules: anything above 0 shows, anything from 2 up colours the boundary.
struct CrossCapLayers {
    bool boundary = false;
    bool colouredBoundary = false;
    bool surface = false;
    bool striped = false;
    // The tube across the band at the dial's position; the dial shows only with it.
    bool section = false;
};
CrossCapLayers crossCapLayers(int surfaceChoice, int boundaryChoice);

// "Cappuccio incrociato": the projective plane as a Moebius band whose boundary is one circle.
// The slider morphs a thin band around a circle (0) into the self-intersecting cross-cap (1);
// the rows show or hide the surface and its boundary, and with the moving cross-section the
// dial runs that section along the band: a full turn of the dial brings it back turned over.
class CrossCapScene : public Scene {
public:
    // Adds, in this order: the slider at (200, 20), the surface row at (300, 20), the boundary
    // row at (380, 20) and the dial at (480, 30), all from the bottom-left corner; both rows
    // start at item 1 (solid surface, plain boundary).
    explicit CrossCapScene(const std::string& identifier);

    // Reads the controls (morph from the slider; the dial shown only with the cross-section),
    // then draws the boundary, the surface and the cross-section, 8 units in front of the eye.
    void display() override;
    RotationController* rotation() override { return &ownRotation; }

    // The morph of the drawn surface: 0.5 until the first frame, then the slider's value.
    double morph = 0.5;
    // Seen first from above the band's plane, tilted beyond the vertical.
    RotationController ownRotation{0.0, 110.0};
    // Owned by the panel.
    Slider* slider = nullptr;
    SurfaceModeChoice* surfaceChoice = nullptr;
    BoundaryModeChoice* boundaryChoice = nullptr;
    Dial* dial = nullptr;
};

} // namespace tessivo
