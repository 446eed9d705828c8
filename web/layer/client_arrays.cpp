#include "web/layer/client_arrays.h"

#include <cstring>

namespace tessivo::gllayer {

namespace {

template <typename T> T read(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

int typeSize(GLenum type) {
    switch (type) {
    case GL_DOUBLE:
        return 8;
    case GL_FLOAT:
    case GL_INT:
    case GL_UNSIGNED_INT:
        return 4;
    case GL_SHORT:
    case GL_UNSIGNED_SHORT:
        return 2;
    default:
        return 1;
    }
}

} // namespace

double ArrayPointer::component(int i, int k, bool normalised) const {
    const int elementSize = typeSize(type);
    const int step = stride != 0 ? stride : size * elementSize;
    const auto* at =
        static_cast<const unsigned char*>(pointer) + static_cast<long>(i) * step + k * elementSize;
    switch (type) {
    case GL_DOUBLE:
        return read<double>(at);
    case GL_FLOAT:
        return read<float>(at);
    case GL_INT:
        return normalised ? read<GLint>(at) / 2147483647.0 : read<GLint>(at);
    case GL_UNSIGNED_INT:
        return normalised ? read<GLuint>(at) / 4294967295.0 : read<GLuint>(at);
    case GL_SHORT:
        return normalised ? read<GLshort>(at) / 32767.0 : read<GLshort>(at);
    case GL_UNSIGNED_SHORT:
        return normalised ? read<GLushort>(at) / 65535.0 : read<GLushort>(at);
    case GL_BYTE:
        return normalised ? read<GLbyte>(at) / 127.0 : read<GLbyte>(at);
    default:
        return normalised ? read<GLubyte>(at) / 255.0 : read<GLubyte>(at);
    }
}

ArrayPointer* ClientArrays::byKind(GLenum array) {
    switch (array) {
    case GL_VERTEX_ARRAY:
        return &vertex;
    case GL_NORMAL_ARRAY:
        return &normal;
    case GL_COLOR_ARRAY:
        return &colour;
    case GL_TEXTURE_COORD_ARRAY:
        return &texCoord;
    default:
        return nullptr;
    }
}

} // namespace tessivo::gllayer
