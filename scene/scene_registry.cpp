#include "scene/scene_registry.h"

#include "scene/overlay_settings.h"
#include "scene/scene.h"

#include <GL/gl.h>
#include <algorithm>

namespace tessivo {

SceneRegistry& SceneRegistry::instance() {
    // A function-local static, because scenes register from their constructors during static
    // initialisation, whose order across translation units C++ leaves open.
    static SceneRegistry registry;
    return registry;
}

void SceneRegistry::registerScene(Scene* scene) {
    if (scenes.emplace(scene->identifier, scene).second) {
        registrationOrder.push_back(scene);
    }
}

void SceneRegistry::unregisterScene(Scene* scene) {
    auto entry = scenes.find(scene->identifier);
    if (entry != scenes.end() && entry->second == scene) {
        scenes.erase(entry);
    }
    registrationOrder.erase(std::remove(registrationOrder.begin(), registrationOrder.end(), scene),
                            registrationOrder.end());
    showList.erase(std::remove(showList.begin(), showList.end(), scene), showList.end());
    if (current_ >= count()) {
        current_ = std::max(0, count() - 1);
    }
}

Scene* SceneRegistry::find(const std::string& identifier) const {
    auto entry = scenes.find(identifier);
    return entry == scenes.end() ? nullptr : entry->second;
}

void SceneRegistry::appendToShowList(const std::string& identifier) {
    if (Scene* scene = find(identifier)) {
        showList.push_back(scene);
    }
}

const std::vector<std::string>& SceneRegistry::defaultShowList() {
    static const std::vector<std::string> identifiers{"KleinBottle1", "KleinBottle3",
                                                      "KleinBottle4", "KleinBottle5"};
    return identifiers;
}

void SceneRegistry::buildShowList() {
    for (const std::string& identifier : defaultShowList()) {
        appendToShowList(identifier);
    }
}

void SceneRegistry::clearShowList() {
    showList.clear();
    current_ = 0;
}

Scene* SceneRegistry::sceneAt(int i) const {
    return i >= 0 && i < count() ? showList[static_cast<size_t>(i)] : nullptr;
}

void SceneRegistry::setCurrent(int i) {
    if (i == current_ || i < 0 || i >= count()) {
        return;
    }
    if (Scene* outgoing = current()) {
        outgoing->onSwitch();
    }
    current_ = i;
    Scene* incoming = current();
    incoming->onSwitch();

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int width = viewport[2], height = viewport[3];
    incoming->panel->layout(overlayUnits(width), overlayUnits(height));
    incoming->reshape(width, height);
    incoming->initGL();
    if (incoming->panel->colourPicker) {
        incoming->panel->colourPicker->hidden = true;
    }
}

} // namespace tessivo
