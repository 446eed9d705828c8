#include "surfaces/crosscap/cross_cap_drawing.h"

#include "math/draw_helpers.h"
#include "surfaces/crosscap/cross_cap_surface.h"
#include "surfaces/crosscap/quad_strip_drawing.h"

#include <GL/gl.h>

namespace tessivo {

using namespace crosscap;

namespace {

void setShinyWhiteSpecular() {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1.0, 1.0, 1.0, 1.0);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 50.0f);
}

} // namespace

void drawCrossCap(double morph, bool striped) {
    setShinyWhiteSpecular();
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.1, 0.7, 0.3, 0.8);
    emitQuadStrips(crossCapSurface(morph, striped), false);
}

void drawCrossCapBoundary(double morph, bool coloured) {
    setShinyWhiteSpecular();
    if (coloured) {
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
    } else {
        setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.5, 0.5, 0.2, 1.0);
    }
    emitQuadStrips(crossCapBoundaryTube(morph), coloured);
    if (coloured) {
        glDisable(GL_COLOR_MATERIAL);
    }
}

void drawCrossCapSection(double morph, double dialAngle) {
    setShinyWhiteSpecular();
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    // The boundary's colour at S(0, b) is hue(b / 2); at the other end S(1, b) = S(0, b + 1)
    // it is hue(b / 2 + 1/2), the same colour, since the ramp runs its primaries twice.
    hueColour(crossCapSectionPosition(dialAngle) * 0.5, 1.0);
    emitQuadStrips(crossCapSectionTube(morph, dialAngle), false);
    glDisable(GL_COLOR_MATERIAL);
}

} // namespace tessivo
