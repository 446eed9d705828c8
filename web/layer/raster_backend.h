#pragma once

// The boundary between the GL 1.1 layer of the web build and whatever rasterises for it. The
// layer does all of GL 1.1's fixed-function work on the CPU (matrices, lighting, texture
// coordinates, clipping is left to the rasteriser) and hands over finished primitives: vertices
// in clip coordinates with their final colours. A backend only has to draw coloured (and
// optionally textured) triangles, lines and points with the given fragment state.
//
// Two backends exist: WebGL in the browser (a small shader pair) and desktop GL, which draws the
// same finished primitives through real GL so that the layer can be compared with real GL on
// the desktop.

#include <cstdint>
#include <vector>

namespace tessivo::gllayer {

struct RasterVertex {
    float position[4]; // clip coordinates
    float colour[4];   // final RGBA after lighting or colour, 0..1
    float texCoord[2]; // used only when FragmentState::textured
};

enum class Primitive { Triangles, Lines, Points };

enum class CompareFunction {
    Never,
    Less,
    Equal,
    LessOrEqual,
    Greater,
    NotEqual,
    GreaterOrEqual,
    Always
};

enum class BlendFactor {
    Zero,
    One,
    SourceColour,
    OneMinusSourceColour,
    SourceAlpha,
    OneMinusSourceAlpha,
    DestinationAlpha,
    OneMinusDestinationAlpha,
    DestinationColour,
    OneMinusDestinationColour
};

enum class TextureEnvironment { Modulate, Replace, Decal };

// Everything a backend needs to know to write fragments. Culling is already done by the layer.
struct FragmentState {
    int viewport[4] = {0, 0, 0, 0}; // x, y, width, height in window pixels, origin bottom-left
    bool scissorTest = false;
    int scissor[4] = {0, 0, 0, 0};
    bool depthTest = false;
    CompareFunction depthFunction = CompareFunction::Less;
    bool depthWrite = true;
    double depthRange[2] = {0.0, 1.0};
    bool blend = false;
    BlendFactor blendSource = BlendFactor::One;
    BlendFactor blendDestination = BlendFactor::Zero;
    bool colourWrite[4] = {true, true, true, true};
    bool textured = false;
    TextureEnvironment textureEnvironment = TextureEnvironment::Modulate;
    float lineWidth = 1.0f;
    float pointSize = 1.0f;
    bool polygonOffset = false;
    float polygonOffsetFactor = 0.0f;
    float polygonOffsetUnits = 0.0f;
};

// The one 2D texture, RGB or RGBA bytes, rows bottom first as glTexImage2D takes them.
struct TextureImage {
    int width = 0;
    int height = 0;
    int channels = 3;
    std::vector<std::uint8_t> pixels;
    bool linearMagnification = true;
    bool linearMinification = true;
    bool repeatS = true;
    bool repeatT = true;
};

class RasterBackend {
public:
    virtual ~RasterBackend() = default;
    virtual void clear(bool colour, const float rgba[4], bool depth, double depthValue,
                       const FragmentState& state) = 0;
    virtual void setTexture(const TextureImage& image) = 0;
    virtual void draw(Primitive primitive, const std::vector<RasterVertex>& vertices,
                      const FragmentState& state) = 0;
    // Reads back RGBA bytes of the window, bottom row first (tests and glReadPixels).
    virtual void readPixels(int x, int y, int width, int height, std::uint8_t* rgba) = 0;
};

} // namespace tessivo::gllayer
