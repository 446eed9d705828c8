#pragma once

#include "web/layer/fragment_state_writer.h"
#include "web/layer/raster_backend.h"

#include <cstdint>

namespace tessivo::gllayer {

// Draws the layer's finished primitives with WebGL 1 (through Emscripten's GLES2 functions) in
// the context that the toolkit made current. Two shader pairs pass clip coordinates and
// colours through, one of them modulating the colour by the texture; everything else of
// FragmentState is WebGL's own state, which is changed only where it differs from the last draw.
class WebglRasterBackend : public RasterBackend {
public:
    void clear(bool colour, const float rgba[4], bool depth, const FragmentState& state) override;
    void setTexture(const TextureImage& image) override;
    void draw(unsigned mode, const std::vector<RasterVertex>& vertices,
              const std::vector<std::uint16_t>& indices, const FragmentState& state) override;
    void readPixels(int x, int y, int width, int height, std::uint8_t* rgba) override;

private:
    void prepare();
    void apply(const FragmentState& state);

    bool prepared_ = false;
    FragmentStateWriter writer_;
    unsigned plainProgram_ = 0;
    unsigned texturedProgram_ = 0;
    unsigned buffer_ = 0;
    unsigned indexBuffer_ = 0;
    unsigned texture_ = 0;
};

} // namespace tessivo::gllayer
