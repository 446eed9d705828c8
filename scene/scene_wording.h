#pragma once

#include <string>

namespace tessivo {

// The built-in texts of a scene: its caption and its line of help for the visitor (what the
// controls do, and that a drag elsewhere turns the object), in Italian and in English.
struct SceneWording {
    std::string title;
    std::string englishTitle;
    std::string help;
    std::string englishHelp;
};

} // namespace tessivo
