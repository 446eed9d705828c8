#pragma once

#include <functional>
#include <vector>

namespace tessivo::testing {

// What GL rasterises for a piece of drawing, captured in feedback mode (nothing reaches the
// screen). Quad strips, fans and polygons arrive as polygons, lines as line segments.
struct Feedback {
    struct Vertex {
        float x, y, z;    // window coordinates
        float r, g, b, a; // the vertex colour after lighting
        float s, t;       // the texture coordinate, when captured
    };
    std::vector<std::vector<Vertex>> polygons;
    std::vector<std::vector<Vertex>> lines;
    bool overflowed = false;
};

// Runs draw in feedback mode with the current matrices and returns what it produced, with the
// texture coordinates if withTexture (else they are 0).
Feedback captureFeedback(const std::function<void()>& draw, int capacity = 4 << 20,
                         bool withTexture = false);

} // namespace tessivo::testing
