#include "surfaces/klein/klein_label_scene.h"

#include "surfaces/klein/klein_scene_settings.h"
#include "ui/dial.h"

namespace tessivo {

KleinLabelScene::KleinLabelScene(RotationController& rotation)
    : KleinScene("KleinBottle4", rotation), dial(panel->add(std::make_unique<Dial>())) {
    dial->anchor = BottomLeft;
    dial->offset = {100, 20};
}

std::string KleinLabelScene::title() const {
    return "Etichetta sulla bottiglia";
}

std::string KleinLabelScene::englishTitle() const {
    return "A label on the bottle";
}

StageSetting KleinLabelScene::setting() const {
    return {Label, labelProgress(dial->angle)};
}

} // namespace tessivo
