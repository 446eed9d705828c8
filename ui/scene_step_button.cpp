#include "ui/scene_step_button.h"

#include "scene/scene_registry.h"

namespace tessivo {

bool SceneStepButton::canStep() const {
    const SceneRegistry& registry = SceneRegistry::instance();
    const int current = registry.currentIndex();
    return direction == previous ? current > 0 : current < registry.count() - 1;
}

std::array<Vec2, 3> SceneStepButton::arrowCorners() const {
    if (direction == previous) {
        return {{{7, -7}, {7, 7}, {-7, 0}}};
    }
    return {{{-7, -7}, {-7, 7}, {7, 0}}};
}

void SceneStepButton::onClick() {
    if (!canStep()) {
        return;
    }
    SceneRegistry& registry = SceneRegistry::instance();
    registry.setCurrent(registry.currentIndex() + (direction == previous ? -1 : 1));
}

} // namespace tessivo
