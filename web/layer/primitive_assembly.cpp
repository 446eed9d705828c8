#include "web/layer/primitive_assembly.h"

namespace tessivo::gllayer {

namespace {

void triangle(std::vector<int>& out, int a, int b, int c) {
    out.insert(out.end(), {a, b, c});
}

void triangleStrip(std::vector<int>& out, int count) {
    for (int i = 0; i + 2 < count; ++i) {
        // Every second triangle of a strip runs the other way round; swapping its first two
        // vertices keeps the winding of the strip.
        if (i % 2 == 0) {
            triangle(out, i, i + 1, i + 2);
        } else {
            triangle(out, i + 1, i, i + 2);
        }
    }
}

void quadStrip(std::vector<int>& out, int count) {
    // Quad i has the corners 2i, 2i+1, 2i+3, 2i+2 in order round its edge.
    for (int i = 0; i + 3 < count; i += 2) {
        triangle(out, i, i + 1, i + 3);
        triangle(out, i, i + 3, i + 2);
    }
}

void fan(std::vector<int>& out, int count) {
    for (int i = 1; i + 1 < count; ++i) {
        triangle(out, 0, i, i + 1);
    }
}

void lines(std::vector<int>& out, GLenum mode, int count) {
    if (mode == GL_LINES) {
        for (int i = 0; i + 1 < count; i += 2) {
            out.insert(out.end(), {i, i + 1});
        }
        return;
    }
    for (int i = 0; i + 1 < count; ++i) {
        out.insert(out.end(), {i, i + 1});
    }
    if (mode == GL_LINE_LOOP && count > 2) {
        out.insert(out.end(), {count - 1, 0});
    }
}

} // namespace

bool assemblesPrimitives(GLenum mode) {
    switch (mode) {
    case GL_LINES:
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
    case GL_TRIANGLES:
    case GL_TRIANGLE_STRIP:
    case GL_QUAD_STRIP:
    case GL_TRIANGLE_FAN:
    case GL_POLYGON:
        return true;
    default:
        return false;
    }
}

AssembledPrimitives assemblePrimitives(GLenum mode, int count) {
    AssembledPrimitives result;
    assemblePrimitives(mode, count, result);
    return result;
}

void assemblePrimitives(GLenum mode, int count, AssembledPrimitives& result) {
    result.kind = GL_TRIANGLES;
    result.indices.clear();
    switch (mode) {
    case GL_LINES:
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        result.kind = GL_LINES;
        lines(result.indices, mode, count);
        return;
    case GL_TRIANGLES:
        for (int i = 0; i + 2 < count; i += 3) {
            triangle(result.indices, i, i + 1, i + 2);
        }
        return;
    case GL_TRIANGLE_STRIP:
        triangleStrip(result.indices, count);
        return;
    case GL_QUAD_STRIP:
        quadStrip(result.indices, count);
        return;
    case GL_TRIANGLE_FAN:
    case GL_POLYGON:
        fan(result.indices, count);
        return;
    default:
        return;
    }
}

} // namespace tessivo::gllayer
