#include "math/draw_helpers.h"
#include "surfaces/moebius/wheel.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

// Specular and ambient-diffuse colour alike, front and back.
void wheelMaterial(double r, double g, double b) {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, r, g, b, 1.0);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, r, g, b, 1.0);
}

} // namespace

void drawWheel(double distance) {
    glPushMatrix();
    // Turn the wheel's own z axis onto the axle (x), lift the hub by the radius so that the
    // tyre stands on y = 0, and turn it by the distance rolled.
    glRotated(90.0, 0.0, 1.0, 0.0);
    glTranslated(0.0, wheelRadius, 0.0);
    glRotated(wheelRollDegrees(distance), 0.0, 0.0, 1.0);

    wheelMaterial(0.5, 0.5, 0.7);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 120.0f);
    emitPrimitive(wheelBand(wheelRadius, wheelHalfWidth, wheelSamples));
    emitPrimitive(wheelBand(wheelRimRadius, wheelHalfWidth, wheelSamples));

    wheelMaterial(0.5, 0.5, 0.9);
    for (const double z : {wheelHalfWidth, -wheelHalfWidth}) {
        for (const DrawPrimitive& quad : wheelRing(wheelRimRadius, wheelRadius, z, wheelSamples)) {
            emitPrimitive(quad);
        }
    }

    wheelMaterial(0.8, 0.7, 0.8);
    const DrawPrimitive spoke = wheelSpoke(wheelSpokeRadius, wheelRimRadius, wheelSpokeSamples);
    for (const double angle : {0.0, 120.0, 240.0}) {
        glPushMatrix();
        glRotated(angle, 0.0, 0.0, 1.0);
        emitPrimitive(spoke);
        glPopMatrix();
    }
    glPopMatrix();
}

} // namespace tessivo
