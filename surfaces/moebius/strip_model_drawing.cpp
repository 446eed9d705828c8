// The immediate-mode side of StripModel: each draw function emits what the matching geometry
// function computes.

#include "math/draw_helpers.h"
#include "scene/clock.h"
#include "surfaces/moebius/strip_model.h"
#include "surfaces/moebius/wheel.h"

#include <GL/gl.h>

namespace tessivo {

namespace {

// The band's highlight, in every rendering; its steps set only the ambient and diffuse colour.
void setBandHighlight() {
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 1.0, 1.0, 1.0, 1.0);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 100.0f);
}

void emitAll(const std::vector<DrawPrimitive>& primitives) {
    for (const DrawPrimitive& primitive : primitives) {
        emitPrimitive(primitive);
    }
}

} // namespace

void StripModel::drawFaceStrip(double wa, double na, double wb, double nb, double e, double f,
                               double g) const {
    emitPrimitive(faceStrip(wa, na, wb, nb, e, f, g));
}

void StripModel::drawFaceSpan(double wa, double na, double wb, double nb, double e, double f,
                              double g, double xa, double xb, int k) const {
    emitPrimitive(faceSpan(wa, na, wb, nb, e, f, g, xa, xb, k));
}

void StripModel::drawShiftedStrip(double wa, double na, double wb, double nb, double e, double f,
                                  double dw, double dn) const {
    emitPrimitive(shiftedStrip(wa, na, wb, nb, e, f, dw, dn));
}

void StripModel::drawEndCaps(double wa, double na, double wb, double nb, double xa,
                             double xb) const {
    emitAll(endCaps(wa, na, wb, nb, xa, xb));
}

void StripModel::drawRegionPatch(double ua, double ub, double xa, double xb) const {
    emitAll(regionPatch(ua, ub, xa, xb));
}

void StripModel::drawBorderPatch(double ua, double ub, double xa, double xb) const {
    emitAll(borderPatch(ua, ub, xa, xb));
}

void StripModel::drawStrip() {
    glPushMatrix();
    // The band is built round the z axis with its middle on -x; stand it up for the viewer.
    glRotated(90.0, 0.0, 0.0, 1.0);
    glRotated(-90.0, 0.0, 1.0, 0.0);
    applyMode();
    setBandHighlight();
    switch (mode) {
    case 0:
        drawSolid();
        break;
    case 1:
        drawWheels();
        // The wheels have their own highlights; the band must not take the last one's.
        setBandHighlight();
        // The band of the wheel scene does not change shape: it is compiled once per choice
        // of appearance and replayed every frame.
        if (listDirty) {
            glNewList(bandList, GL_COMPILE);
            playDrawing(appearanceDrawing());
            glEndList();
            listDirty = false;
        }
        glCallList(bandList);
        break;
    case 3:
        drawCutInTwo();
        break;
    case 4:
        drawSliding();
        break;
    case 5:
        drawCutInThree();
        break;
    case 6:
        drawMap();
        break;
    default:
        break;
    }
    glPopMatrix();
}

void StripModel::drawSolid() const {
    playDrawing(solidDrawing());
}

void StripModel::drawTranslucent() const {
    playDrawing(translucentDrawing());
}

void StripModel::drawStriped() const {
    playDrawing(stripedDrawing());
}

void StripModel::drawCutInTwo() const {
    playDrawing(cutInTwoDrawing());
}

void StripModel::drawSliding() {
    bend = 1.0;
    cutSpread = 0.0;
    playDrawing(slidingDrawing());
}

void StripModel::drawCutInThree() const {
    playDrawing(cutInThreeDrawing());
}

void StripModel::drawMap() const {
    playDrawing(mapDrawing());
}

void StripModel::drawWheelAt(double x) const {
    const MoebiusFrame frame = frameAt(x);
    glPushMatrix();
    // The wheel's frame: x along the band's width (the axle), y along its normal, z along
    // the band; then up onto the face.
    multFrame(frame.centre, frame.across, frame.normal);
    glTranslated(0.0, thickness / 2.0, 0.0);
    drawWheel(x * closedLength);
    glPopMatrix();
}

void StripModel::drawWheels() const {
    for (const double x : wheelParameters(nowMilliseconds())) {
        drawWheelAt(x);
    }
}

} // namespace tessivo
