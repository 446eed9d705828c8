#include "surfaces/polyhedra/dual_pair_scene.h"

#include "scene/rotation_controller.h"
#include "surfaces/polyhedra/dual_pair_drawing.h"
#include "surfaces/polyhedra/dual_pair_subdivision.h"
#include "ui/slider.h"

#include <GL/gl.h>
#include <utility>

namespace tessivo {

namespace {
// Far enough that the sphere of radius 2 fits the 45-degree view with room for the controls.
constexpr double viewDistance = 6.0;
} // namespace

DualPairScene::DualPairScene(const std::string& identifier, HalfEdgeMesh solid,
                             ColourTable faceColours, ColourTable vertexColours,
                             SceneWording wording, RotationController& sharedRotation)
    : Scene(identifier, std::move(wording)),
      morphSlider(panel->place(std::make_unique<Slider>(), {250, 20})), faceColours(faceColours),
      vertexColours(vertexColours), mesh(std::move(solid)), sharedRotation(sharedRotation) {
    scaleToRadius(mesh, dualSphereRadius);
}

DualPairScene::~DualPairScene() = default;

void DualPairScene::display() {
    const double t = morphSlider->value;
    glPushMatrix();
    glTranslated(0.0, 0.0, -viewDistance);
    applyRotation();
    drawDualPair(mesh, faceColours, vertexColours, t);
    glPopMatrix();
}

RotationController* DualPairScene::rotation() {
    return &sharedRotation;
}

} // namespace tessivo
