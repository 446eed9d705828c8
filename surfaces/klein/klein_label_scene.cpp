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

std::string KleinLabelScene::help() const {
    return "Gira la manopola: l'etichetta fa il giro della bottiglia e torna specchiata; dopo due "
           "giri si legge di nuovo dritta. Trascina altrove per girare la bottiglia.";
}

std::string KleinLabelScene::englishHelp() const {
    return "Turn the dial: the label goes round the bottle and comes back mirrored; after two "
           "turns it reads right again. Drag anywhere else to turn the bottle.";
}

StageSetting KleinLabelScene::setting() const {
    return {Label, labelProgress(dial->angle)};
}

} // namespace tessivo
