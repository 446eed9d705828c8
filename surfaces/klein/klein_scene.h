#pragma once

#include "scene/scene.h"
#include "surfaces/klein/klein_bottle_surface.h"

#include <string>

namespace tessivo {

// A scene of the Klein bottle family: it owns one bottle surface and turns it with the
// rotation that the whole family shares, so the bottle keeps its attitude when the user steps
// between these scenes. Each concrete scene reads its one control at the start of every frame
// and sets the surface from it.
class KleinScene : public Scene {
public:
    KleinScene(const std::string& identifier, KleinStage stage, RotationController& rotation);

    RotationController* rotation() override;

    // Places the bottle 10 units ahead of the eye, turns it by the shared rotation and shows
    // the construction; leaves the modelview matrix as it found it.
    void display() override;

    KleinBottleSurface surface;

private:
    RotationController& sharedRotation;

protected:
    // Sets the surface from the scene's control, rebuilds it as needed and draws it.
    virtual void showConstruction() = 0;
};

} // namespace tessivo
