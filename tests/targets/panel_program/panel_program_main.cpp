// Two empty scenes in the show list, so that only the controls are on screen over the
// background colour.

#include "app/program.h"
#include "scene/rotation_controller.h"
#include "scene/scene.h"
#include "scene/scene_registry.h"

#include <string>

namespace {

class EmptyScene : public tessivo::Scene {
public:
    EmptyScene(const std::string& identifier, std::string caption)
        : Scene(identifier), caption(std::move(caption)) {}
    std::string title() const override { return caption; }
    tessivo::RotationController* rotation() override { return &turn; }

private:
    std::string caption;
    tessivo::RotationController turn;
};

EmptyScene first("PanelProgram1", "Prima scena di prova");
EmptyScene second("PanelProgram2", "Seconda scena di prova");

// Only these two, whatever other scenes the program's library registers.
void twoScenes(tessivo::SceneRegistry& registry) {
    registry.clearShowList();
    registry.appendToShowList(first.identifier);
    registry.appendToShowList(second.identifier);
}

} // namespace

int main(int argc, char** argv) {
    return tessivo::runProgram(argc, argv, twoScenes);
}
