#include "web/page/view_target.h"

#include <GLES2/gl2.h>
#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tessivo::gllayer {

namespace {

// WebGL 1's packed depth and stencil buffer, which has at least the canvas's 24 bits of depth
// (a 16-bit depth buffer would let the lines drawn on a surface sink into it).
constexpr GLenum depthStencil = 0x84F9;
constexpr GLenum depthStencilAttachment = 0x821A;

// The rows come bottom first, as WebGL reads them; the view's canvas is turned upside down by
// its style instead. Its context has no alpha, so the picture is opaque whatever alpha the
// view left.
EM_JS(void, showOnViewCanvas, (const std::uint8_t* rgba, int width, int height), {
    var view = document.getElementById("view");
    if (view.width != width || view.height != height) {
        view.width = width;
        view.height = height;
    }
    Module.viewContext = Module.viewContext || view.getContext("2d", {alpha : false});
    var bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    Module.viewContext.putImageData(new ImageData(bytes, width, height), 0, 0);
});

} // namespace

void ViewTarget::begin(int width, int height, double scale) {
    windowWidth = width;
    windowHeight = height;
    const int wantedWidth = std::max(1, static_cast<int>(std::lround(width * scale)));
    const int wantedHeight = std::max(1, static_cast<int>(std::lround(height * scale)));
    drawingOffscreen = !broken && (wantedWidth < width || wantedHeight < height) &&
                       resize(wantedWidth, wantedHeight);
    glBindFramebuffer(GL_FRAMEBUFFER, drawingOffscreen ? framebuffer : 0);
}

bool ViewTarget::end() {
    const bool wasOffscreen = drawingOffscreen;
    if (wasOffscreen) {
        pixels.resize(static_cast<std::size_t>(targetWidth) * targetHeight * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, targetWidth, targetHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        showOnViewCanvas(pixels.data(), targetWidth, targetHeight);
    }
    drawingOffscreen = false;
    return wasOffscreen;
}

// The texture and depth buffer are made again only when the view's size changes, which the
// adaptation does every few frames at most.
bool ViewTarget::resize(int width, int height) {
    if (framebuffer == 0) {
        glGenFramebuffers(1, &framebuffer);
        glGenTextures(1, &colour);
        glGenRenderbuffers(1, &depth);
    }
    if (width == targetWidth && height == targetHeight) {
        return true;
    }
    targetWidth = width;
    targetHeight = height;
    glBindTexture(GL_TEXTURE_2D, colour);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    // WebGL draws into a texture of any size only when it is clamped and has no mipmaps.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindRenderbuffer(GL_RENDERBUFFER, depth);
    glRenderbufferStorage(GL_RENDERBUFFER, depthStencil, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, depthStencilAttachment, GL_RENDERBUFFER, depth);
    broken = glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE;
    return !broken;
}

int ViewTarget::scaledX(int x) const {
    return static_cast<int>(std::lround(static_cast<double>(x) * targetWidth / windowWidth));
}

int ViewTarget::scaledY(int y) const {
    return static_cast<int>(std::lround(static_cast<double>(y) * targetHeight / windowHeight));
}

// Both edges are scaled, so that boxes that meet in the window still meet in the view.
std::array<int, 4> ViewTarget::scaledBox(const std::array<int, 4>& box) const {
    const int left = scaledX(box[0]);
    const int bottom = scaledY(box[1]);
    return {left, bottom, scaledX(box[0] + box[2]) - left, scaledY(box[1] + box[3]) - bottom};
}

FragmentState ViewTarget::scaled(const FragmentState& state) const {
    if (!drawingOffscreen) {
        return state;
    }
    FragmentState view = state;
    view.viewport = scaledBox(state.viewport);
    view.scissor = scaledBox(state.scissor);
    const float shrink = static_cast<float>(targetWidth) / static_cast<float>(windowWidth);
    view.lineWidth = std::max(1.0f, state.lineWidth * shrink);
    return view;
}

} // namespace tessivo::gllayer
