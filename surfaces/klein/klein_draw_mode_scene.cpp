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

StageSetting KleinDrawModeScene::setting() const {
    return {Bottle, 0.0, choice->selected};
}

} // namespace tessivo
