#pragma once

#include "web/layer/fragment_state_writer.h"
#include "web/layer/raster_backend.h"
#include "web/page/view_canvas.h"

#include <cstdint>

namespace tessivo::gllayer {

// Draws the layer's finished primitives with WebGL 1 (through Emscripten's GLES2 functions) in
// the context that the toolkit made current. Two shader pairs pass clip coordinates and
// colours through, one of them modulating the colour by the texture; everything else of
// FragmentState is WebGL's own state, which is changed only where it differs from the last draw.
// The page keeps one for each of its canvases, the program's and the 3D view's (ViewCanvas).
class WebglRasterBackend : public RasterBackend {
public:
    void clear(bool colour, const float rgba[4], bool depth, const FragmentState& state) override;
    // Clears the program's canvas to transparent, alpha included, for the overlay over the
    // view beneath.
    void clearTransparent(int width, int height) override;
    void setTexture(const TextureImage& image) override;
    void draw(unsigned mode, const std::vector<RasterVertex>& vertices,
              const std::vector<std::uint16_t>& indices, const FragmentState& state) override;
    void readPixels(int x, int y, int width, int height, std::uint8_t* rgba) override;

    // Draws for the view's canvas, at its resolution.
    void drawFor(const ViewCanvas& view) { viewCanvas_ = &view; }
    // The canvas was made with alpha: its pictures keep the alpha of their clear, and blending
    // writes the overlay's coverage. An opaque canvas needs neither, and SwiftShader draws a
    // masked or separately blended alpha at a fraction of the speed.
    void setCanvasTransparent(bool transparent) { transparentCanvas_ = transparent; }

private:
    void prepare();
    void apply(const FragmentState& state);
    void keepAlpha();

    bool prepared_ = false;
    FragmentStateWriter writer_;
    unsigned plainProgram_ = 0;
    unsigned texturedProgram_ = 0;
    unsigned buffer_ = 0;
    unsigned indexBuffer_ = 0;
    unsigned texture_ = 0;
    const ViewCanvas* viewCanvas_ = nullptr;
    bool transparentCanvas_ = false;
    unsigned blendSource_ = ~0u; // as last written, with the alpha's own factors
    unsigned blendDestination_ = ~0u;
};

} // namespace tessivo::gllayer
