#pragma once

#include "web/layer/lighting.h"

#include <GL/gl.h>
#include <array>
#include <cstdint>
#include <optional>

namespace tessivo::gllayer {

// The capabilities glEnable switches, one bit each. The lights come first, so that the low bits
// are the mask of the lights that are on.
namespace capability {
constexpr std::uint32_t light0 = 1u << 0; // light i is light0 << i
constexpr std::uint32_t lights = (1u << Lighting::lightCount) - 1;
constexpr std::uint32_t lighting = 1u << 8;
constexpr std::uint32_t colourMaterial = 1u << 9;
constexpr std::uint32_t normalize = 1u << 10;
constexpr std::uint32_t depthTest = 1u << 11;
constexpr std::uint32_t blend = 1u << 12;
constexpr std::uint32_t texture2D = 1u << 13;
constexpr std::uint32_t scissorTest = 1u << 14;
} // namespace capability

// The bit of a GL capability: 0 for one accepted without effect (GL_AUTO_NORMAL only matters to
// evaluators), nothing for one the layer does not have.
std::optional<std::uint32_t> capabilityBit(GLenum cap);

// The groups of state that glPushAttrib saves, one per attribute bit, each with the switches of
// its own capabilities kept among ServerState::enabled.
struct CurrentAttributes { // GL_CURRENT_BIT
    Rgba colour = {1, 1, 1, 1};
    Point3 normal = {0, 0, 1};
    std::array<double, 4> texCoord = {0, 0, 0, 1};
};

struct ColourBufferAttributes { // GL_COLOR_BUFFER_BIT
    GLenum blendSource = GL_ONE;
    GLenum blendDestination = GL_ZERO;
    Rgba clearColour = {0, 0, 0, 0};
};

struct DepthBufferAttributes { // GL_DEPTH_BUFFER_BIT
    bool write = true;
};

struct LineAttributes { // GL_LINE_BIT
    float width = 1.0f;
};

struct ScissorAttributes { // GL_SCISSOR_BIT
    std::array<int, 4> box = {0, 0, 0, 0};
};

struct ViewportAttributes { // GL_VIEWPORT_BIT
    std::array<int, 4> box = {0, 0, 0, 0};
    bool set = false; // until the program sets one, GL's viewport is the whole window
};

struct TransformAttributes { // GL_TRANSFORM_BIT
    GLenum matrixMode = GL_MODELVIEW;
};

// The part of GL's state that glPushAttrib can save: everything but the matrix stacks, the
// display lists, the texture image and the client-side arrays.
struct ServerState {
    CurrentAttributes current;
    Lighting lighting; // GL_LIGHTING_BIT
    ColourBufferAttributes colourBuffer;
    DepthBufferAttributes depthBuffer;
    LineAttributes line;
    ScissorAttributes scissor;
    ViewportAttributes viewport;
    TransformAttributes transform;
    std::uint32_t enabled = 0; // capability bits; GL_ENABLE_BIT saves them all

    bool on(std::uint32_t capabilityBits) const { return (enabled & capabilityBits) != 0; }
};

// Copies back from saved the groups of state named by the glPushAttrib mask.
void restoreAttributes(ServerState& state, const ServerState& saved, GLbitfield mask);

} // namespace tessivo::gllayer
