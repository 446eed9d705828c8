#pragma once

#include "scene/scene_caption.h"

#include <map>
#include <string>
#include <vector>

namespace tessivo {

// The curator's own texts for the exhibit, in any language the stroke font can write: a
// UTF-8 text of one scene a line,
//     ID<TAB>title<TAB>help
// with ID a scene's identifier, the title for the menu and the top of the screen, and the
// line of help under it (which may be empty). Blank lines and lines starting with '#' are
// left out; spaces around a field are dropped; a byte order mark and carriage returns are
// allowed.
struct ParsedCaptions {
    // By scene identifier.
    std::map<std::string, SceneCaption> captions;
    // Empty when the text is sound, else one line "FILE:LINE:COLUMN: what is wrong" that
    // names the character at fault (columns count characters from 1).
    std::string error;
    bool ok() const { return error.empty(); }
};

// fileName only names the text in the error; sceneIdentifiers are the scenes it may name.
ParsedCaptions parseCaptions(const std::string& text, const std::string& fileName,
                             const std::vector<std::string>& sceneIdentifiers);

// The whole of a file of at most a megabyte into text; false, with a one-line reason that
// names the file, when it cannot be read or is larger.
bool readCaptionsFile(const std::string& path, std::string& text, std::string& reason);

} // namespace tessivo
