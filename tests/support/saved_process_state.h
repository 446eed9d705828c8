#pragma once

#include "app/shell.h"
#include "scene/overlay_settings.h"
#include "scene/view_projection.h"

#include <array>
#include <functional>
#include <vector>

namespace tessivo {
class Scene;
}

namespace tessivo::testing {

// What the program keeps for the whole process, taken when the object is made and put back
// when it goes: the show list and its current entry, the shell's pointer state, the overlay's
// and the view's settings, the background colour, and the rotation and controls of every scene
// registered at that time (with a strip scene's band, with its wheels and map colours, and the
// cross-cap's morph). A fixture that drives the shell, the registry or a scene that outlives it
// holds one, declared before the scenes of its own, so that it restores after they are gone and the
// next test starts where the process started.
class SavedProcessState {
public:
    SavedProcessState();
    ~SavedProcessState();
    SavedProcessState(const SavedProcessState&) = delete;
    SavedProcessState& operator=(const SavedProcessState&) = delete;

private:
    void saveScene(Scene& scene);

    std::vector<Scene*> showList;
    int currentIndex;
    ShellState shell;
    OverlaySettings overlay;
    ViewSettings view;
    std::array<int, 3> background;
    std::vector<std::function<void()>> restorers;
};

} // namespace tessivo::testing
