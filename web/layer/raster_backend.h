#pragma once

// The boundary between the GL 1.1 layer of the web build and whatever rasterises for it. The
// layer does all of GL 1.1's fixed-function work on the CPU (matrices, lighting, texture
// coordinates, clipping is left to the rasteriser) and hands over finished primitives: vertices
// in clip coordinates with their final colours. A backend only has to draw coloured (and
// optionally textured) triangles and lines with the given fragment state.
//
// Two backends exist: WebGL in the browser (a small shader pair) and desktop GL, which draws the
// same finished primitives through real GL so that the layer can be compared with real GL on
// the desktop. GL's enumerated values (GL_TRIANGLES, GL_SRC_ALPHA, GL_LINEAR...) are handed over
// as they are: WebGL shares them, so no side translates them. This header includes no GL header,
// since the WebGL backend's would clash with the desktop one's.

#include <array>
#include <cstdint>
#include <tuple>
#include <vector>

namespace tessivo::gllayer {

struct RasterVertex {
    float position[4];      // clip coordinates
    std::uint8_t colour[4]; // final RGBA after lighting or colour, 0..255 as the framebuffer
                            // keeps it
    float texCoord[2];      // used only when FragmentState::textured
};

// Everything a backend needs to know to write fragments. Culling is already done by the layer.
struct FragmentState {
    std::array<int, 4> viewport = {0, 0, 0, 0}; // x, y, width, height, origin bottom-left
    std::array<int, 4> scissor = {0, 0, 0, 0};
    unsigned blendSource = 0; // GL's blend factors
    unsigned blendDestination = 0;
    float lineWidth = 1.0f;
    bool scissorTest = false;
    bool depthTest = false;
    bool depthWrite = true;
    bool blend = false;
    bool textured = false; // by the one texture, modulating the colour

    auto fields() const {
        return std::tie(viewport, scissor, blendSource, blendDestination, lineWidth, scissorTest,
                        depthTest, depthWrite, blend, textured);
    }
    bool operator==(const FragmentState& other) const { return fields() == other.fields(); }
    bool operator!=(const FragmentState& other) const { return !(*this == other); }
};

// The one 2D texture, RGB or RGBA bytes, rows bottom first as glTexImage2D takes them.
struct TextureImage {
    int width = 0;
    int height = 0;
    int channels = 3;
    std::vector<std::uint8_t> pixels;
    // GL's values as the program set them, the minifying filter without mipmaps (GL_LINEAR or
    // GL_NEAREST), the wraps GL_REPEAT or GL_CLAMP.
    unsigned magnification = 0;
    unsigned minification = 0;
    unsigned wrapS = 0;
    unsigned wrapT = 0;
};

class RasterBackend {
public:
    virtual ~RasterBackend() = default;
    // Clears the colour buffer to rgba and/or the depth buffer to the far plane.
    virtual void clear(bool colour, const float rgba[4], bool depth,
                       const FragmentState& state) = 0;
    // Clears the whole window of width x height pixels to transparent black and the depth
    // buffer, for a picture that lies over another (the page's overlay over its view).
    virtual void clearTransparent(int width, int height) {
        FragmentState whole;
        whole.viewport = {0, 0, width, height};
        const float transparent[4] = {0.0f, 0.0f, 0.0f, 0.0f};
        clear(true, transparent, true, whole);
    }
    virtual void setTexture(const TextureImage& image) = 0;
    // Draws independent primitives, mode GL_TRIANGLES or GL_LINES, of the vertices that indices
    // name in turn.
    virtual void draw(unsigned mode, const std::vector<RasterVertex>& vertices,
                      const std::vector<std::uint16_t>& indices, const FragmentState& state) = 0;
    // Reads back RGBA bytes of the window, bottom row first (tests and glReadPixels).
    virtual void readPixels(int x, int y, int width, int height, std::uint8_t* rgba) = 0;
};

} // namespace tessivo::gllayer
