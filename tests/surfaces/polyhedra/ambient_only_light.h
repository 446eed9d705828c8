#pragma once

#include <GL/gl.h>

namespace tessivo::testing {

// Lighting on, but only a white ambient light model: every vertex then takes exactly the
// ambient colour of its material, so feedback shows which material each vertex was drawn with.
// Also sets an orthographic view of the cube [-extent, extent]^3 onto the 800 x 600 window.
inline void useAmbientOnlyLight(double extent) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-extent, extent, -extent, extent, -extent, extent);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat white[4] = {1, 1, 1, 1};
    const GLfloat none[4] = {0, 0, 0, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, white);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glLightfv(GL_LIGHT0, GL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, none);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
}

} // namespace tessivo::testing
