#include "surfaces/polyhedra/woven_strip_scene.h"

#include "surfaces/polyhedra/woven_strip_drawing.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <GL/gl.h>

namespace tessivo {

namespace {
// The band reaches 2.5 + 0.8 + 0.08 from the centre; at this distance it fills most of the
// window's height in the 45-degree view.
constexpr double viewDistance = 10.0;
} // namespace

WovenStripScene::WovenStripScene()
    : Scene("ring",
            {"Moebius intrecciato", "Woven Moebius strip",
             "Gira la manopola: il nastro scorre lungo se stesso; il cursore in alto lo taglia, "
             "quello in basso accorcia il bordo. Trascina altrove per girarlo.",
             "Turn the dial: the strip rolls along itself; the upper slider cuts it away, the "
             "lower one shortens its edge. Drag anywhere else to turn it."}),
      cutSlider(panel->place(std::make_unique<Slider>(), {150, 60})),
      edgeSlider(panel->place(std::make_unique<Slider>(), {150, 20})),
      twistDial(panel->place(std::make_unique<Dial>(), {250, 20})) {
    twistDial->setStartAngle(0.0);
}

WovenStripScene::~WovenStripScene() = default;

void WovenStripScene::display() {
    prepareWovenStripLighting();
    glPushMatrix();
    glTranslated(0.0, 0.0, -viewDistance);
    applyRotation();
    const double cut = cutSlider->value;
    const double phi = twistDial->angle;
    const double trim = edgeSlider->value;
    drawWovenStrip(cut, phi, trim);
    glPopMatrix();
}

RotationController* WovenStripScene::rotation() {
    return &ownRotation;
}

} // namespace tessivo
