#include "surfaces/klein/klein_from_rectangle_scene.h"

#include "surfaces/klein/klein_scene_settings.h"
#include "ui/slider.h"

namespace tessivo {

KleinFromRectangleScene::KleinFromRectangleScene(RotationController& rotation)
    : KleinScene(
          "KleinBottle1",
          {"Dal rettangolo alla bottiglia di Klein", "From the rectangle to the Klein bottle",
           "Trascina il cursore: il rettangolo si arrotola in un tubo e si chiude in una bottiglia "
           "di Klein, che è senza dentro né fuori. Trascina altrove per girarla.",
           "Drag the slider: the rectangle rolls into a tube and closes into a Klein bottle, which "
           "has no inside and no outside. Drag anywhere else to turn it."},
          rotation),
      slider(panel->place(std::make_unique<Slider>(), {200, 20})) {}

StageSetting KleinFromRectangleScene::setting() const {
    return rectangleSetting(slider->value);
}

} // namespace tessivo
