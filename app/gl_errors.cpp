#include "app/gl_errors.h"

#include <GL/gl.h>
#include <cstdio>

namespace tessivo {

namespace {

const char* errorName(GLenum error) {
    switch (error) {
    case GL_INVALID_ENUM:
        return "invalid enum";
    case GL_INVALID_VALUE:
        return "invalid value";
    case GL_INVALID_OPERATION:
        return "invalid operation";
    case GL_STACK_OVERFLOW:
        return "stack overflow";
    case GL_STACK_UNDERFLOW:
        return "stack underflow";
    case GL_OUT_OF_MEMORY:
        return "out of memory";
    default:
        return "unknown";
    }
}

} // namespace

int reportGlErrors(const std::string& where) {
    int count = 0;
    // glGetError returns one recorded error per call; a lost context could keep returning
    // errors, so the loop is bounded.
    for (GLenum error = glGetError(); error != GL_NO_ERROR && count < 32; error = glGetError()) {
        std::fprintf(stderr, "tessivo: GL error 0x%04x (%s) in %s\n", error, errorName(error),
                     where.c_str());
        ++count;
    }
    return count;
}

void reportFrameGlErrors([[maybe_unused]] const std::string& sceneIdentifier) {
#ifdef TESSIVO_CHECK_GL_ERRORS
    reportGlErrors("a frame of " + sceneIdentifier);
#endif
}

} // namespace tessivo
