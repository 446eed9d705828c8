#include "surfaces/klein/klein_scene.h"

#include "scene/rotation_controller.h"
#include "surfaces/klein/klein_drawing.h"

#include <GL/gl.h>
#include <utility>

namespace tessivo {

KleinScene::KleinScene(const std::string& identifier, SceneWording wording,
                       RotationController& rotation)
    : Scene(identifier, std::move(wording)), sharedRotation(rotation) {}

RotationController* KleinScene::rotation() {
    return &sharedRotation;
}

void KleinScene::display() {
    glPushMatrix();
    glTranslated(0, 0, -10);
    rotation()->apply();
    playDrawing(kleinDrawing(setting()));
    glPopMatrix();
}

} // namespace tessivo
