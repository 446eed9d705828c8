#pragma once

#include <optional>

namespace tessivo {

class Scene;

// How clearly the exhibit shows a scene's line of help: fully from the moment the scene comes
// on screen (by the tour, the visitor or the return to the start) until holdMs after the
// visitor's first input on it, then fading out over fadeMs. Times are the clock's milliseconds.
class HelpFade {
public:
    static constexpr int holdMs = 4000;
    static constexpr int fadeMs = 1000;

    // The scene on screen; another one than before shows its help afresh.
    void showScene(const Scene* scene);
    // Input on the scene on screen: the first starts the hold.
    void noteInput(int now);
    // Shown afresh, as after the start.
    void restart() { touched = false; }

    // From 1 (shown) to 0 (gone).
    double opacity(int now) const;
    // Whether the help is on its way out at now, so that frames show it going.
    bool fading(int now) const;
    // Milliseconds from now until the fade begins, while the help is held after an input;
    // none otherwise.
    std::optional<int> millisecondsToFade(int now) const;

private:
    const Scene* scene = nullptr;
    bool touched = false;
    int firstInput = 0;
};

} // namespace tessivo
