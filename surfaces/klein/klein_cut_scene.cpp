#include "surfaces/klein/klein_cut_scene.h"

#include "ui/slider.h"

namespace tessivo {

KleinCutScene::KleinCutScene(RotationController& rotation)
    : KleinScene(
          "KleinBottle5",
          {"Bottiglia di Klein tagliata in due", "The Klein bottle cut in two",
           "Trascina il cursore: la bottiglia si apre in due metà, e ognuna si srotola in un "
           "nastro di Moebius. Trascina altrove per girarle.",
           "Drag the slider: the bottle comes apart in two halves, and each unrolls into a Moebius "
           "strip. Drag anywhere else to turn them."},
          rotation),
      slider(panel->place(std::make_unique<Slider>(), {150, 20})) {}

StageSetting KleinCutScene::setting() const {
    return {Halves, slider->value};
}

} // namespace tessivo
