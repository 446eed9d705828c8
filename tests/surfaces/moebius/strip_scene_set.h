#pragma once

#include "scene/rotation_controller.h"
#include "surfaces/moebius/strip_scene.h"

#include <map>
#include <memory>

namespace tessivo::testing {

// The six strip scenes as the program builds them (this binary does not link the program's),
// each built on first use, sharing one rotation that starts as the program's does. They leave
// the registry with the set, before their rotation goes.
class StripSceneSet {
public:
    StripScene& scene(StripSceneKind kind) {
        std::unique_ptr<StripScene>& built = scenes[kind];
        if (!built) {
            built = std::make_unique<StripScene>(kind, rotation);
        }
        return *built;
    }

    RotationController rotation{0.0, 20.0};

private:
    std::map<StripSceneKind, std::unique_ptr<StripScene>> scenes;
};

} // namespace tessivo::testing
