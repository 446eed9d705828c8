#pragma once

#include <string>

namespace tessivo {

// A scene's title and line of help as a curator wrote them, in any language, for the scene
// menu and the exhibit's texts in place of the built-in ones. An empty help shows no line.
struct SceneCaption {
    std::string title;
    std::string help;
};

} // namespace tessivo
