#include "surfaces/klein/klein_cut_scene.h"

#include "ui/slider.h"

namespace tessivo {

KleinCutScene::KleinCutScene(RotationController& rotation)
    : KleinScene("KleinBottle5", Halves, rotation), slider(panel->add(std::make_unique<Slider>())) {
    slider->anchor = BottomLeft;
    slider->offset = {150, 20};
}

std::string KleinCutScene::title() const {
    return "Bottiglia di Klein tagliata in due";
}

std::string KleinCutScene::englishTitle() const {
    return "The Klein bottle cut in two";
}

void KleinCutScene::showConstruction() {
    surface.stage = Halves;
    surface.progress = slider->value;
    surface.buildSpine();
    surface.buildMesh();
    surface.draw();
}

} // namespace tessivo
