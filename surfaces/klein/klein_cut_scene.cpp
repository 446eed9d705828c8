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

std::string KleinCutScene::help() const {
    return "Trascina il cursore: la bottiglia si apre in due metà, e ognuna si srotola in un "
           "nastro di Moebius. Trascina altrove per girarle.";
}

std::string KleinCutScene::englishHelp() const {
    return "Drag the slider: the bottle comes apart in two halves, and each unrolls into a Moebius "
           "strip. Drag anywhere else to turn them.";
}

StageSetting KleinCutScene::setting() const {
    return {Halves, slider->value};
}

} // namespace tessivo
