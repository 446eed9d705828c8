#pragma once

namespace tessivo {

class Scene;

// The scene's title and its line of help (app/scene_text_layout.h) in the overlay's projection,
// under the controls: the title in white, the help in a paler blue at helpOpacity (0 to 1).
void drawSceneTexts(const Scene& scene, double helpOpacity);

} // namespace tessivo
