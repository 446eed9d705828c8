#include "surfaces/klein/klein_cut_scene.h"

#include "ui/slider.h"

namespace tessivo {

KleinCutScene::KleinCutScene(RotationController& rotation)
    : KleinScene("KleinBottle5", rotation), slider(panel->add(std::make_unique<Slider>())) {
    slider->anchor = BottomLeft;
    slider->offset = {150, 20};
}

std::string KleinCutScene::title() const {
    return "Bottiglia di Klein tagliata in due";
}

std::string KleinCutScene::englishTitle() const {
    return "The Klein bottle cut in two";
}

StageSetting KleinCutScene::setting() const {
    return {Halves, slider->value};
}

} // namespace tessivo
