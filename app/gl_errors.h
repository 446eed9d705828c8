#pragma once

#include <string>

namespace tessivo {

// Whether the program checks for GL errors after every frame (the sanitizer build does).
#ifdef TESSIVO_CHECK_GL_ERRORS
constexpr bool checkGlErrorsEveryFrame = true;
#else
constexpr bool checkGlErrorsEveryFrame = false;
#endif

// Takes every pending GL error and reports each on standard error as one line
// "tessivo: GL error 0x0502 (invalid operation) in <where>". Returns how many there were.
int reportGlErrors(const std::string& where);

} // namespace tessivo
