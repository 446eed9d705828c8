#include "surfaces/klein/klein_scene.h"

#include "app/static_objects.h"
#include "scene/rotation_controller.h"

#include <GL/gl.h>

namespace tessivo {

KleinScene::KleinScene(const std::string& identifier, KleinStage stage)
    : Scene(identifier), surface(stage) {}

RotationController* KleinScene::rotation() {
    return &kleinRotation;
}

void KleinScene::display() {
    glPushMatrix();
    glTranslated(0, 0, -10);
    rotation()->apply();
    showConstruction();
    glPopMatrix();
}

} // namespace tessivo
