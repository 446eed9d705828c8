#include "surfaces/klein/klein_label_scene.h"

#include "surfaces/klein/klein_scene_settings.h"
#include "ui/dial.h"

namespace tessivo {

KleinLabelScene::KleinLabelScene(RotationController& rotation)
    : KleinScene(
          "KleinBottle4",
          {"Etichetta sulla bottiglia", "A label on the bottle",
           "Gira la manopola: l'etichetta fa il giro della bottiglia e torna specchiata; dopo due "
           "giri si legge di nuovo dritta. Trascina altrove per girare la bottiglia.",
           "Turn the dial: the label goes round the bottle and comes back mirrored; after two "
           "turns it reads right again. Drag anywhere else to turn the bottle."},
          rotation),
      dial(panel->place(std::make_unique<Dial>(), {100, 20})) {}

StageSetting KleinLabelScene::setting() const {
    return {Label, labelProgress(dial->angle)};
}

} // namespace tessivo
