#include "surfaces/crosscap/embedded_band_scene.h"

#include "math/draw_helpers.h"
#include "surfaces/crosscap/embedded_band_drawing.h"
#include "surfaces/crosscap/surface_mode_choice.h"
#include "ui/slider.h"

#include <GL/gl.h>
#include <memory>

namespace tessivo {

double embeddedBandReach(double sliderValue) {
    return 0.9 * sliderValue + 0.1;
}

EmbeddedBandScene::EmbeddedBandScene()
    : Scene("ProjectivePlane2",
            {"Cappuccio incrociato senza incroci", "Cross-cap without crossings",
             "Trascina il cursore: il nastro di Moebius cresce fino al suo bordo, un cerchio nel "
             "piano; le icone cambiano la superficie. Trascina altrove per girarlo.",
             "Drag the slider: the Moebius strip grows out to its edge, a circle in a plane; the "
             "icons change its surface. Drag anywhere else to turn it."}) {
    slider = panel->place(std::make_unique<Slider>(), {200, 30});
    surfaceChoice = panel->place(std::make_unique<SurfaceModeChoice>(), {300, 30});
    surfaceChoice->setStartSelected(1);
}

void EmbeddedBandScene::display() {
    glPushMatrix();
    glTranslated(0, 0, -8);
    ownRotation.apply();

    // A pale, glossy tube along the edge, and the band itself in violet.
    setMaterial(GL_FRONT_AND_BACK, GL_SPECULAR, 0.5, 0.5, 0.5, 1.0);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 100.0f);
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 0.8, 0.8, 0.9, 1.0);
    const double reach = embeddedBandReach(slider->value);
    playDrawing(bandEdgeDrawing(reach));
    setMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, 200 / 255.0, 20 / 255.0, 250 / 255.0,
                1.0);
    const int surface = surfaceChoice->selected;
    if (surface > 0) {
        playDrawing(bandDrawing(0.0, reach, surface != 1));
    }
    glPopMatrix();
}

} // namespace tessivo
