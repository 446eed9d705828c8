#pragma once

namespace tessivo {

class SceneRegistry;

// Fills the registry's show list at start-up.
using ShowListBuilder = void (*)(SceneRegistry&);

// The show list of the exhibition program: the four Klein bottle scenes.
void fixedShowList(SceneRegistry& registry);

// Every registered scene, in the order of registration.
void allScenesShowList(SceneRegistry& registry);

// Opens the 800 x 600 window titled "Tessivo", registers the callbacks, builds the show list,
// prepares the first scene and runs the toolkit's main loop, which does not return.
int runProgram(int argc, char** argv, ShowListBuilder buildShowList);

// Gives every toolkit event to the shell's callback for it, and asks for a frame whenever the
// toolkit is idle.
void registerShellCallbacks();

// Gives the first scene of the show list its view and light (start-up, before the main loop).
void startFirstScene();

} // namespace tessivo
