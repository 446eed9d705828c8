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
                             std::string caption, RotationController& sharedRotation)
    : Scene(identifier), morphSlider(panel->place(std::make_unique<Slider>(), {250, 20})),
      faceColours(faceColours), vertexColours(vertexColours), mesh(std::move(solid)),
      caption(std::move(caption)), sharedRotation(sharedRotation) {
    scaleToRadius(mesh, dualSphereRadius);
}

DualPairScene::~DualPairScene() = default;

std::string DualPairScene::title() const {
    return caption;
}

std::string DualPairScene::englishTitle() const {
    if (identifier == "tetratetra") {
        return "Tetrahedron / tetrahedron";
    }
    if (identifier == "cubeocta") {
        return "Cube / octahedron";
    }
    if (identifier == "icododeca") {
        return "Icosahedron / dodecahedron";
    }
    return caption;
}

std::string DualPairScene::help() const {
    if (identifier == "tetratetra") {
        return "Trascina il cursore: tessera per tessera, il tetraedro duale diventa il tetraedro. "
               "Trascina altrove per girarlo.";
    }
    if (identifier == "cubeocta") {
        return "Trascina il cursore: tessera per tessera, l'ottaedro diventa il cubo, il suo "
               "duale. Trascina altrove per girarlo.";
    }
    if (identifier == "icododeca") {
        return "Trascina il cursore: tessera per tessera, il dodecaedro diventa l'icosaedro, il "
               "suo duale. Trascina altrove per girarlo.";
    }
    return {};
}

std::string DualPairScene::englishHelp() const {
    if (identifier == "tetratetra") {
        return "Drag the slider: tile by tile, the dual tetrahedron turns into the tetrahedron. "
               "Drag anywhere else to turn it.";
    }
    if (identifier == "cubeocta") {
        return "Drag the slider: tile by tile, the octahedron turns into the cube, its dual. Drag "
               "anywhere else to turn it.";
    }
    if (identifier == "icododeca") {
        return "Drag the slider: tile by tile, the dodecahedron turns into the icosahedron, its "
               "dual. Drag anywhere else to turn it.";
    }
    return {};
}

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
