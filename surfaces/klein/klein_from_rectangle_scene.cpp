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

StageSetting KleinFromRectangleScene::setting() const {
    return rectangleSetting(slider->value);
}

} // namespace tessivo
