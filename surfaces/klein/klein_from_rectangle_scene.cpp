#include "surfaces/klein/klein_from_rectangle_scene.h"

#include "surfaces/klein/klein_scene_settings.h"
#include "ui/slider.h"

namespace tessivo {

KleinFromRectangleScene::KleinFromRectangleScene(RotationController& rotation)
    : KleinScene("KleinBottle1", rotation), slider(panel->add(std::make_unique<Slider>())) {
    slider->anchor = BottomLeft;
    slider->offset = {200, 20};
}

std::string KleinFromRectangleScene::title() const {
    return "Dal rettangolo alla bottiglia di Klein";
}

std::string KleinFromRectangleScene::englishTitle() const {
    return "From the rectangle to the Klein bottle";
}

std::string KleinFromRectangleScene::help() const {
    return "Trascina il cursore: il rettangolo si arrotola in un tubo e si chiude in una bottiglia "
           "di Klein, che è senza dentro né fuori. Trascina altrove per girarla.";
}

std::string KleinFromRectangleScene::englishHelp() const {
    return "Drag the slider: the rectangle rolls into a tube and closes into a Klein bottle, which "
           "has no inside and no outside. Drag anywhere else to turn it.";
}

StageSetting KleinFromRectangleScene::setting() const {
    return rectangleSetting(slider->value);
}

} // namespace tessivo
