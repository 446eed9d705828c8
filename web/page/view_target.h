#pragma once

#include "web/layer/raster_backend.h"

#include <cstdint>
#include <vector>

namespace tessivo::gllayer {

// Where the WebGL backend draws a frame's 3D view: straight onto the canvas, or, when the view
// is drawn at a lower resolution than the canvas, into a framebuffer of its own (a colour
// texture and a depth buffer) that holds the window's picture at that resolution. The program
// keeps drawing in window pixels; the view's viewport and scissor rectangles are scaled on the
// way to WebGL. Once the view is drawn, its pixels go to a second canvas of the page, under the
// program's (index.html), which the browser stretches over the window; the program's canvas
// then holds only the overlay, at its own resolution, sharp, over a transparent clear. The
// browser's compositor stretches the picture far more cheaply than a textured square over a
// sharp canvas would be drawn where WebGL itself runs on the processor.
class ViewTarget {
public:
    // Begins a frame's view for a window of width x height pixels, drawn at scale (at most 1)
    // of them on each side. A framebuffer WebGL cannot make leaves the view on the canvas.
    void begin(int width, int height, double scale);
    // The view is finished: drawing goes to the canvas again. True when the view was drawn
    // into the framebuffer and is now shown on the canvas beneath.
    bool end();
    bool offscreen() const { return drawingOffscreen; }

    // The state as WebGL takes it for the pixels drawn into now.
    FragmentState scaled(const FragmentState& state) const;

private:
    bool resize(int width, int height);
    int scaledX(int x) const;
    int scaledY(int y) const;
    std::array<int, 4> scaledBox(const std::array<int, 4>& box) const;

    unsigned framebuffer = 0;
    unsigned colour = 0;
    unsigned depth = 0;
    bool broken = false;
    bool drawingOffscreen = false;
    int windowWidth = 0;
    int windowHeight = 0;
    int targetWidth = 0;
    int targetHeight = 0;
    std::vector<std::uint8_t> pixels;
};

} // namespace tessivo::gllayer
