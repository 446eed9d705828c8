#include "surfaces/klein/klein_draw_mode_scene.h"

#include "surfaces/drawing/appearance_row.h"

namespace tessivo {

namespace {
// The icons' colour, the green of the surfaces' controls.
constexpr Vec3 iconGreen{0.1, 0.7, 0.3};
} // namespace

KleinDrawModeScene::KleinDrawModeScene(RotationController& rotation)
    : KleinScene(
          "KleinBottle3",
          {"La bottiglia di Klein", "The Klein bottle",
           "Scegli un'icona: la bottiglia piena, a strisce o di vetro, per vedere dove passa "
           "attraverso se stessa. Trascina altrove per girarla.",
           "Choose an icon: the bottle solid, striped or as glass, to see where it passes through "
           "itself. Drag anywhere else to turn it."},
          rotation),
      choice(panel->place(std::make_unique<AppearanceRow>(iconGreen), {200, 20})) {}

StageSetting KleinDrawModeScene::setting() const {
    return {Bottle, 0.0, choice->selected};
}

} // namespace tessivo
