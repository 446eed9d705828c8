#include "surfaces/moebius/strip_scene.h"

#include <GL/gl.h>

namespace tessivo {

void StripScene::display() {
    glPushMatrix();
    glTranslated(0.0, 0.0, -10.0);
    applyRotation();
    updateStrip();
    strip.drawStrip();
    glPopMatrix();
}

} // namespace tessivo
