#include "surfaces/klein/klein_materials.h"

#include "math/draw_helpers.h"

#include <GL/gl.h>

namespace tessivo {

void setBottleMaterial() {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 50.0f);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.15, 0.7, 0.1, 0.3);
}

void setHighlightMaterial() {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1, 1, 1, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 50.0f);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0, 0, 0, 1);
}

void setLabelMaterial() {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0.2, 0.2, 0.2, 1);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 10.0f);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.7, 0.7, 0.7, 1);
}

void switchToGlassLight(double specular) {
    glDisable(GL_LIGHT0);
    glEnable(GL_LIGHT4);
    // A positional light is fixed in the frame of the modelview matrix current when it is
    // placed; with the identity that is the eye's frame.
    glPushMatrix();
    glLoadIdentity();
    setLight(GL_LIGHT4, GL_POSITION, 0, 0, 10);
    glPopMatrix();
    setLight(GL_LIGHT4, GL_AMBIENT, 0.3, 0.3, 0.3);
    setLight(GL_LIGHT4, GL_DIFFUSE, 0.8, 0.8, 0.8);
    setLight(GL_LIGHT4, GL_SPECULAR, specular, specular, specular);
}

void switchToSceneLight() {
    glDisable(GL_LIGHT4);
    glEnable(GL_LIGHT0);
}

} // namespace tessivo
