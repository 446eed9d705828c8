#pragma once

#include <GL/gl.h>
#include <array>

namespace tessivo::gllayer {

// One client-side array as glVertexPointer and its kind describe it.
struct ArrayPointer {
    bool enabled = false;
    int size = 4;
    GLenum type = GL_FLOAT;
    int stride = 0;
    const void* pointer = nullptr;

    // Component k (k < size) of element i, converted as GL converts it: integer colours are
    // scaled to 0..1 when normalised is set.
    double component(int i, int k, bool normalised = false) const;
};

// The client-side arrays; glPushClientAttrib saves them whole.
struct ClientArrays {
    ArrayPointer vertex;
    ArrayPointer normal{false, 3};
    ArrayPointer colour;
    ArrayPointer texCoord;

    ArrayPointer* byKind(GLenum array);
};

} // namespace tessivo::gllayer
