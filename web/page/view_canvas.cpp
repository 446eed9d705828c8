#include "web/page/view_canvas.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

namespace tessivo::gllayer {

namespace {

const char* const viewSelector = "#view";

// As the toolkit makes the program's context, without alpha: the view is opaque.
int createViewContext() {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    return static_cast<int>(emscripten_webgl_create_context(viewSelector, &attributes));
}

} // namespace

bool ViewCanvas::begin(int newWindowWidth, int newWindowHeight, double scale) {
    if (broken) {
        return false;
    }
    if (context == 0) {
        context = createViewContext();
        broken = context <= 0;
        if (broken) {
            return false;
        }
    }
    windowWidth = std::max(1, newWindowWidth);
    windowHeight = std::max(1, newWindowHeight);
    const int newWidth = std::max(1, static_cast<int>(std::lround(windowWidth * scale)));
    const int newHeight = std::max(1, static_cast<int>(std::lround(windowHeight * scale)));
    if (newWidth != width || newHeight != height) {
        width = newWidth;
        height = newHeight;
        emscripten_set_canvas_element_size(viewSelector, width, height);
    }
    programContext = static_cast<int>(emscripten_webgl_get_current_context());
    emscripten_webgl_make_context_current(context);
    return true;
}

void ViewCanvas::end() {
    emscripten_webgl_make_context_current(programContext);
}

int ViewCanvas::scaledX(int x) const {
    return static_cast<int>(std::lround(static_cast<double>(x) * width / windowWidth));
}

int ViewCanvas::scaledY(int y) const {
    return static_cast<int>(std::lround(static_cast<double>(y) * height / windowHeight));
}

// Both edges are scaled, so that boxes that meet in the window still meet in the view.
std::array<int, 4> ViewCanvas::scaledBox(const std::array<int, 4>& box) const {
    const int left = scaledX(box[0]);
    const int bottom = scaledY(box[1]);
    return {left, bottom, scaledX(box[0] + box[2]) - left, scaledY(box[1] + box[3]) - bottom};
}

FragmentState ViewCanvas::scaled(const FragmentState& state) const {
    FragmentState view = state;
    view.viewport = scaledBox(state.viewport);
    view.scissor = scaledBox(state.scissor);
    const float shrink = static_cast<float>(width) / static_cast<float>(windowWidth);
    view.lineWidth = std::max(1.0f, state.lineWidth * shrink);
    return view;
}

} // namespace tessivo::gllayer
