#pragma once

#include "web/layer/raster_backend.h"

#include <array>

namespace tessivo::gllayer {

// A second canvas of the page, under the program's (index.html), with a WebGL context of its
// own, into which a frame's 3D view is drawn when it is drawn at a lower resolution than the
// program's canvas; the browser stretches it over the window. The program's canvas then holds
// only the overlay, at its own resolution, sharp, over a transparent clear. The program keeps
// drawing in window pixels: the view's viewport and scissor rectangles are scaled on the way
// to WebGL (scaled). Where WebGL itself runs on the processor, the browser's compositor
// stretches the picture far more cheaply than a square textured with it would be drawn, and
// nothing of the view has to be read back.
class ViewCanvas {
public:
    // Makes the view's context current, its canvas scale (at most 1) of a window of width x
    // height pixels on each side; false, with the program's context still current, when the
    // browser gives the view's canvas no WebGL context.
    bool begin(int width, int height, double scale);
    // The program's context is current again.
    void end();

    // The state as WebGL takes it for the view's canvas.
    FragmentState scaled(const FragmentState& state) const;

private:
    int scaledX(int x) const;
    int scaledY(int y) const;
    std::array<int, 4> scaledBox(const std::array<int, 4>& box) const;

    int context = 0;
    int programContext = 0;
    bool broken = false;
    int windowWidth = 1;
    int windowHeight = 1;
    int width = 1;
    int height = 1;
};

} // namespace tessivo::gllayer
