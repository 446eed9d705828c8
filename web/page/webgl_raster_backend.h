#pragma once

#include "web/layer/fragment_state_writer.h"
#include "web/layer/raster_backend.h"
#include "web/page/view_target.h"

#include <cstdint>

namespace tessivo::gllayer {

// Draws the layer's finished primitives with WebGL 1 (through Emscripten's GLES2 functions) in
// the context that the toolkit made current. One shader pair passes clip coordinates and
// colours through and modulates the colour by the texture; everything else of FragmentState is
// WebGL's own state, which is changed only where it differs from the last draw. A frame's 3D
// view, from its clear of the colour buffer to endView, may be drawn at a lower resolution than
// the canvas (ViewTarget); what follows it, the overlay, is drawn at the canvas's.
class WebglRasterBackend : public RasterBackend {
public:
    void clear(bool colour, const float rgba[4], bool depth, const FragmentState& state) override;
    void setTexture(const TextureImage& image) override;
    void draw(unsigned mode, const std::vector<RasterVertex>& vertices,
              const FragmentState& state) override;
    void readPixels(int x, int y, int width, int height, std::uint8_t* rgba) override;

    // The share of the window's pixels on each side at which the next frames' views are drawn.
    void setViewScale(double scale) { viewScale_ = scale; }
    double viewScale() const { return viewScale_; }
    // The frame's view is drawn (the layer has handed over all of it): what follows is drawn
    // at the canvas's resolution, over the view.
    void endView();

private:
    void prepare();
    void beginView();
    void apply(const FragmentState& state);

    bool prepared_ = false;
    FragmentStateWriter writer_;
    unsigned program_ = 0;
    unsigned buffer_ = 0;
    unsigned texture_ = 0;
    int texturedLocation_ = -1;
    ViewTarget view_;
    double viewScale_ = 1.0;
    unsigned blendSource_ = ~0u; // as last written, with the alpha's own factors
    unsigned blendDestination_ = ~0u;
};

} // namespace tessivo::gllayer
