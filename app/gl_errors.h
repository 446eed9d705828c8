#pragma once

#include <string>

namespace tessivo {

// Takes every pending GL error and reports each on standard error as one line
// "tessivo: GL error 0x0502 (invalid operation) in <where>". Returns how many there were.
int reportGlErrors(const std::string& where);

// After a frame of the scene: in the build that checks for GL errors after every frame (the
// sanitizer build), reports the pending ones as "in a frame of <identifier>"; elsewhere nothing.
void reportFrameGlErrors(const std::string& sceneIdentifier);

} // namespace tessivo
