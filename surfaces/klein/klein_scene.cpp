#include "surfaces/klein/klein_scene.h"

#include "scene/rotation_controller.h"

#include <GL/gl.h>

namespace tessivo {

KleinScene::KleinScene(const std::string& identifier, KleinStage stage,
                       RotationController& rotation)
    : Scene(identifier), surface(stage), sharedRotation(rotation) {}

RotationController* KleinScene::rotation() {
    return &sharedRotation;
}

void KleinScene::display() {
    glPushMatrix();
    glTranslated(0, 0, -10);
    rotation()->apply();
    showConstruction();
    glPopMatrix();
}

} // namespace tessivo
