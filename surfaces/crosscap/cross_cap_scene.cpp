#include "surfaces/crosscap/cross_cap_scene.h"

#include "surfaces/crosscap/boundary_mode_choice.h"
#include "surfaces/crosscap/cross_cap_drawing.h"
#include "surfaces/crosscap/surface_mode_choice.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <GL/gl.h>
#include <memory>

namespace tessivo {

namespace {

constexpr int boundaryWithSection = 3;

} // namespace

CrossCapLayers crossCapLayers(int surfaceChoice, int boundaryChoice) {
    CrossCapLayers layers;
    layers.boundary = boundaryChoice > 0;
    layers.colouredBoundary = boundaryChoice >= 2;
    layers.section = boundaryChoice == boundaryWithSection;
    layers.surface = surfaceChoice > 0;
    layers.striped = surfaceChoice == 2;
    return layers;
}

CrossCapScene::CrossCapScene(const std::string& identifier)
    : Scene(identifier,
            {"Cappuccio incrociato", "Cross-cap",
             "Trascina il cursore: il nastro si chiude in un cappuccio incrociato; le icone "
             "mostrano superficie e bordo, la manopola ne muove una sezione. Trascina altrove per "
             "girarlo.",
             "Drag the slider: the strip closes into a cross-cap; the icons show its surface and "
             "edge, the dial moves a cross-section along it. Drag anywhere else to turn it."}) {
    slider = panel->place(std::make_unique<Slider>(), {200, 20});
    surfaceChoice = panel->place(std::make_unique<SurfaceModeChoice>(), {300, 20});
    boundaryChoice = panel->place(std::make_unique<BoundaryModeChoice>(), {380, 20});
    dial = panel->place(std::make_unique<Dial>(), {480, 30});
    surfaceChoice->setStartSelected(1);
    boundaryChoice->setStartSelected(1);
}

void CrossCapScene::display() {
    morph = slider->value;
    const CrossCapLayers layers = crossCapLayers(surfaceChoice->selected, boundaryChoice->selected);
    // The panel draws after the scene, so the dial appears and disappears in the same frame as
    // the section it moves.
    dial->hidden = !layers.section;

    glPushMatrix();
    glTranslated(0, 0, -8);
    ownRotation.apply();
    if (layers.boundary) {
        playDrawing(crossCapBoundaryDrawing(morph, layers.colouredBoundary));
    }
    if (layers.surface) {
        playDrawing(crossCapDrawing(morph, layers.striped));
    }
    if (layers.section) {
        playDrawing(crossCapSectionDrawing(morph, dial->angle));
    }
    glPopMatrix();
}

} // namespace tessivo
