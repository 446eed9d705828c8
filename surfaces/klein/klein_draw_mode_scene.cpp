#include "surfaces/klein/klein_draw_mode_scene.h"

#include "surfaces/klein/draw_mode_choice.h"

namespace tessivo {

KleinDrawModeScene::KleinDrawModeScene(RotationController& rotation)
    : KleinScene("KleinBottle3", rotation), choice(panel->add(std::make_unique<DrawModeChoice>())) {
    choice->anchor = BottomLeft;
    choice->offset = {200, 20};
}

std::string KleinDrawModeScene::title() const {
    return "La bottiglia di Klein";
}

std::string KleinDrawModeScene::englishTitle() const {
    return "The Klein bottle";
}

std::string KleinDrawModeScene::help() const {
    return "Scegli un'icona: la bottiglia piena, a strisce o di vetro, per vedere dove passa "
           "attraverso se stessa. Trascina altrove per girarla.";
}

std::string KleinDrawModeScene::englishHelp() const {
    return "Choose an icon: the bottle solid, striped or as glass, to see where it passes through "
           "itself. Drag anywhere else to turn it.";
}

StageSetting KleinDrawModeScene::setting() const {
    return {Bottle, 0.0, choice->selected};
}

} // namespace tessivo
