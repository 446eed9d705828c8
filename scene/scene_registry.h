#pragma once

#include <map>
#include <string>
#include <vector>

namespace tessivo {

class Scene;

// Knows every scene by identifier, and holds the show list: the scenes the user steps through,
// in order, with the index of the current one. It owns none of them (scenes live for the whole
// run).
class SceneRegistry {
public:
    // The process-wide registry, created on the first call (inside the first scene's
    // constructor, during static initialisation) and destroyed at exit, after every scene.
    static SceneRegistry& instance();

    SceneRegistry() = default;
    SceneRegistry(const SceneRegistry&) = delete;
    SceneRegistry& operator=(const SceneRegistry&) = delete;

    // Enters scene under its identifier, unless that identifier is taken: the first scene
    // registered under an identifier wins and a later one stays unregistered.
    void registerScene(Scene* scene);

    // Forgets a scene that is being destroyed, so that nothing keeps pointing at it.
    void unregisterScene(Scene* scene);

    // The scene registered under identifier, or nullptr.
    Scene* find(const std::string& identifier) const;

    // Every registered scene, in the order of registration.
    const std::vector<Scene*>& registeredScenes() const { return registrationOrder; }

    // Appends the scene registered under identifier to the show list; an unknown identifier is
    // skipped.
    void appendToShowList(const std::string& identifier);

    // The identifiers of the program's show list: the four Klein bottle scenes.
    static const std::vector<std::string>& defaultShowList();
    // Appends the default show list.
    void buildShowList();

    // Empties the show list (there is then no current scene).
    void clearShowList();

    int count() const { return static_cast<int>(showList.size()); }
    int currentIndex() const { return current_; }
    // The current scene, or nullptr while the show list is empty.
    Scene* current() const { return sceneAt(current_); }
    // Entry i of the show list, or nullptr outside it.
    Scene* sceneAt(int i) const;

    // Switches to entry i of the show list: both scenes get onSwitch(), the new one its view,
    // light and layout for the current viewport, and its colour picker is hidden. An index
    // outside the list, or the current one, changes nothing.
    void setCurrent(int i);

private:
    int current_ = 0;
    std::vector<Scene*> showList;
    std::map<std::string, Scene*> scenes;
    std::vector<Scene*> registrationOrder;
};

// The registry's current scene, or nullptr while the show list is empty.
inline Scene* currentScene() {
    return SceneRegistry::instance().current();
}

} // namespace tessivo
