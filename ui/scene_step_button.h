#pragma once

#include "ui/push_button.h"

#include <array>

namespace tessivo {

// One of the two arrow buttons that step to the previous or the next scene of the show list.
// At either end of the list the arrow that would leave it is not drawn; it still takes the
// pointer (hover, press), but its click does nothing.
class SceneStepButton : public PushButton {
public:
    static constexpr int previous = 0;
    static constexpr int next = 1;

    // direction 0 steps back; any other value steps forward.
    explicit SceneStepButton(int direction) : direction(direction) {}

    // Whether the show list has a scene in this button's direction from the current one.
    bool canStep() const;

    // The arrow's corners relative to the centre: pointing left for the previous scene, right
    // for the next, 14 pixels high.
    std::array<Vec2, 3> arrowCorners() const;

    void draw() override;
    void onClick() override;

    int direction;
};

} // namespace tessivo
