#pragma once

#include "web/layer/fragment_state_writer.h"
#include "web/layer/raster_backend.h"

namespace tessivo::gllayer {

// Draws the layer's finished primitives through the desktop's real GL: identity matrices,
// lighting off, one glBegin per batch with each vertex's colour, texture coordinate and clip
// position, and the fragment state written onto GL's. The layer's own output can so be compared
// with what real GL makes of the program's calls.
class DesktopRasterBackend : public RasterBackend {
public:
    void clear(bool colour, const float rgba[4], bool depth, const FragmentState& state) override;
    void setTexture(const TextureImage& image) override;
    void draw(unsigned mode, const std::vector<RasterVertex>& vertices,
              const std::vector<std::uint16_t>& indices, const FragmentState& state) override;
    void readPixels(int x, int y, int width, int height, std::uint8_t* rgba) override;

private:
    void apply(const FragmentState& state);
    bool prepared = false;
    FragmentStateWriter writer;
    unsigned textureName = 0;
};

} // namespace tessivo::gllayer
