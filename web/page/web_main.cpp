// The page's entry point: the exhibit, with the choices of the page's address, drawn through the
// GL layer into WebGL. The toolkit (Emscripten's GLUT) keeps the window, the frame loop, the
// timers, the keys and the clock. The pointer callbacks that the program registers come here
// instead (web/page/pointer_callbacks.h) and are called from the browser's own mouse events,
// because the toolkit hands motion callbacks the previous position instead of the current one.
// Every finger's touches go to the exhibit from the browser's touch events; the toolkit's own
// translation of the first finger into mouse events is switched off.
//
// The 3D view is drawn at a resolution that keeps up with the exhibit's pace
// (AdaptiveResolution), the controls always at the canvas's own; "?adapt=0" keeps the view at
// the canvas's resolution too. While the view is drawn beneath, the overlay is handed to its
// canvas only when it differs from the one the canvas shows (RepaintFilter).

#include "app/exhibit.h"
#include "app/exhibit_options.h"
#include "app/layout_report.h"
#include "app/shell.h"
#include "scene/overlay_settings.h"
#include "web/layer/layer.h"
#include "web/layer/repaint_filter.h"
#include "web/page/adaptive_resolution.h"
#include "web/page/frame_profile.h"
#include "web/page/page_query.h"
#include "web/page/pointer_callbacks.h"
#include "web/page/view_canvas.h"
#include "web/page/webgl_raster_backend.h"

#include <GL/glut.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace tessivo {

namespace {

const char* const canvasSelector = "#canvas";

// The program's pointer callbacks; any may be absent.
struct PointerCallbacks {
    void (*mouse)(int button, int state, int x, int y) = nullptr;
    void (*motion)(int x, int y) = nullptr;
    void (*passiveMotion)(int x, int y) = nullptr;
};

PointerCallbacks callbacks;
bool pressed = false;
// The exhibit returned: a bad option or captions file, whose message the page shows.
bool exhibitEnded = false;

// The layer draws through the program's canvas, and the 3D view, while it is drawn at a lower
// resolution, through the view's canvas beneath (ViewCanvas).
gllayer::WebglRasterBackend& canvasBackend() {
    static gllayer::WebglRasterBackend backend;
    return backend;
}

gllayer::ViewCanvas& viewCanvas() {
    static gllayer::ViewCanvas canvas;
    return canvas;
}

gllayer::WebglRasterBackend& viewBackend() {
    static gllayer::WebglRasterBackend backend;
    backend.drawFor(viewCanvas());
    return backend;
}

// The overlay over the view beneath, drawn on the program's canvas when it has changed.
gllayer::RepaintFilter& overlayFilter() {
    static gllayer::RepaintFilter filter(canvasBackend());
    return filter;
}

// The view keeps up with the exhibit's default pace, also where the page lifts the pace to
// measure.
AdaptiveResolution& viewResolution() {
    static AdaptiveResolution resolution(ExhibitOptions().maxFramesPerSecond);
    return resolution;
}

bool adapting = true;
bool viewBeneath = false;
bool overlayFiltered = false; // this frame's overlay goes through overlayFilter

double viewScale() {
    return adapting ? viewResolution().scale() : 1.0;
}

void viewBegins() {
    const double scale = viewScale();
    viewBeneath = scale < 1.0 && viewCanvas().begin(glutGet(GLUT_WINDOW_WIDTH),
                                                    glutGet(GLUT_WINDOW_HEIGHT), scale);
    if (viewBeneath) {
        gllayer::Layer::instance().setBackend(&viewBackend());
    } else {
        overlayFilter().forget(); // the whole picture is drawn on the program's canvas
    }
}

// The overlay is drawn on the program's canvas; the frames' intervals decide the resolution
// of the views to come.
void viewDrawn() {
    if (viewBeneath) {
        gllayer::Layer::instance().setBackend(&overlayFilter()); // hands over the whole view
        viewCanvas().end();
        overlayFilter().clearTransparent(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
        viewBeneath = false;
        overlayFiltered = true;
    }
    if (adapting) {
        AdaptiveResolution& resolution = viewResolution();
        resolution.setDeviceRatio(overlaySettings().devicePixelRatio);
        resolution.noteFrame(emscripten_get_now(), exhibitMoving());
    }
}

// The frame's overlay is complete: the program's canvas draws it unless it shows it already.
void overlayEnded() {
    if (!overlayFiltered) {
        return;
    }
    overlayFiltered = false;
    gllayer::Layer& layer = gllayer::Layer::instance();
    layer.setBackend(&canvasBackend()); // hands the overlay's last primitives to the filter
    const double start = layer.profile.now();
    overlayFilter().endPicture();
    layer.profile.rasterCalls += layer.profile.now() - start;
}

void (*programDisplay)() = nullptr;

void drawFrame() {
    programDisplay();
    overlayEnded();
}

void pageDisplay() {
    FrameProfile::instance().display(drawFrame);
}

void mouse(int state, int x, int y) {
    if (callbacks.mouse != nullptr) {
        callbacks.mouse(GLUT_LEFT_BUTTON, state, x, y);
    }
}

void motion(int x, int y) {
    auto callback = pressed ? callbacks.motion : callbacks.passiveMotion;
    if (callback != nullptr) {
        callback(x, y);
    }
}

// Client coordinates are the canvas's CSS pixels: the canvas fills the page from its top-left
// corner. The toolkit's window coordinates are the canvas's own pixels, which are more on a
// screen with a device pixel ratio above one.
void toWindow(long clientX, long clientY, int& x, int& y) {
    double cssWidth = 0.0;
    double cssHeight = 0.0;
    emscripten_get_element_css_size(canvasSelector, &cssWidth, &cssHeight);
    int width = 0;
    int height = 0;
    emscripten_get_canvas_element_size(canvasSelector, &width, &height);
    const double scaleX = cssWidth > 0.0 ? width / cssWidth : 1.0;
    const double scaleY = cssHeight > 0.0 ? height / cssHeight : 1.0;
    x = static_cast<int>(std::floor(clientX * scaleX));
    y = static_cast<int>(std::floor(clientY * scaleY));
}

void pointerUp(long clientX, long clientY);

// The pointer first moves to where it is pressed: a finger does not hover before it lands.
// A press while pressed (a second finger, or a touch the browser cancelled without an end)
// first releases the pointer there, so that no press is left without its release.
void pointerDown(long clientX, long clientY) {
    pointerUp(clientX, clientY);
    int x = 0;
    int y = 0;
    toWindow(clientX, clientY, x, y);
    motion(x, y);
    pressed = true;
    mouse(GLUT_DOWN, x, y);
}

void pointerMove(long clientX, long clientY) {
    int x = 0;
    int y = 0;
    toWindow(clientX, clientY, x, y);
    motion(x, y);
}

void pointerUp(long clientX, long clientY) {
    if (!pressed) {
        return;
    }
    int x = 0;
    int y = 0;
    toWindow(clientX, clientY, x, y);
    pressed = false;
    mouse(GLUT_UP, x, y);
}

TouchPhase phaseOf(int type) {
    switch (type) {
    case EMSCRIPTEN_EVENT_TOUCHSTART:
        return TouchPhase::Start;
    case EMSCRIPTEN_EVENT_TOUCHMOVE:
        return TouchPhase::Move;
    case EMSCRIPTEN_EVENT_TOUCHEND:
        return TouchPhase::End;
    default:
        return TouchPhase::Cancel;
    }
}

// Only a touch's start is cancelled, which keeps the browser from making mouse events of a
// tap. A touch's end may not be cancelable, and cancelling it anyway fills the console with
// the browser's complaints; the canvas's touch-action keeps the page from scrolling.
EM_BOOL onTouch(int type, const EmscriptenTouchEvent* event, void*) {
    const TouchPhase phase = phaseOf(type);
    for (int i = 0; i < event->numTouches; ++i) {
        const EmscriptenTouchPoint& touch = event->touches[i];
        if (!touch.isChanged) {
            continue;
        }
        int x = 0;
        int y = 0;
        toWindow(touch.clientX, touch.clientY, x, y);
        exhibitTouch(phase, static_cast<int>(touch.identifier), x, y);
    }
    return phase == TouchPhase::Start ? EM_TRUE : EM_FALSE;
}

// A notch of a mouse wheel zooms by a tenth; a trackpad's small steps zoom by as much as they
// scroll, a hundred pixels making a notch.
EM_BOOL onWheel(int, const EmscriptenWheelEvent* event, void*) {
    double notches = event->deltaY / 100.0;
    if (event->deltaMode == DOM_DELTA_LINE) {
        notches = event->deltaY / 3.0;
    } else if (event->deltaMode == DOM_DELTA_PAGE) {
        notches = event->deltaY;
    }
    exhibitZoom(std::pow(1.1, -std::clamp(notches, -4.0, 4.0)));
    return EM_TRUE;
}

EM_BOOL onMouse(int type, const EmscriptenMouseEvent* event, void*) {
    switch (type) {
    case EMSCRIPTEN_EVENT_MOUSEDOWN:
        pointerDown(event->clientX, event->clientY);
        return EM_TRUE;
    case EMSCRIPTEN_EVENT_MOUSEMOVE:
        pointerMove(event->clientX, event->clientY);
        return EM_FALSE;
    case EMSCRIPTEN_EVENT_MOUSEUP:
        pointerUp(event->clientX, event->clientY);
        return EM_FALSE;
    default:
        return EM_FALSE;
    }
}

// The canvas fills the browser window; its pixels follow the window's size and the device's
// pixel ratio, so that the picture is sharp on any screen. The toolkit's reshape then gives
// the scene its new view and the controls their anchors.
void fitCanvas() {
    double cssWidth = 0.0;
    double cssHeight = 0.0;
    emscripten_get_element_css_size(canvasSelector, &cssWidth, &cssHeight);
    const double ratio = emscripten_get_device_pixel_ratio();
    overlaySettings().devicePixelRatio = ratio;
    const int width = std::max(1, static_cast<int>(std::lround(cssWidth * ratio)));
    const int height = std::max(1, static_cast<int>(std::lround(cssHeight * ratio)));
    if (width != glutGet(GLUT_WINDOW_WIDTH) || height != glutGet(GLUT_WINDOW_HEIGHT)) {
        glutReshapeWindow(width, height);
        overlayFilter().forget(); // a canvas given a new size loses its picture
    }
}

EM_BOOL onResize(int, const EmscriptenUiEvent*, void*) {
    fitCanvas();
    return EM_FALSE;
}

// The bytes of the captions file that index.html fetched from ?captions=, or -1 for none.
EM_JS(int, fetchedCaptionsSize, (),
      { return Module.captionsBytes ? Module.captionsBytes.length : -1; });
EM_JS(void, copyFetchedCaptions, (char* into), { HEAPU8.set(Module.captionsBytes, into); });

// The page has no files: --captions names the address whose bytes index.html fetched.
bool readFetchedCaptions(const std::string& /*name*/, std::string& text, std::string& reason) {
    const int size = fetchedCaptionsSize();
    if (size < 0) {
        reason = "the page loaded no captions";
        return false;
    }
    text.assign(static_cast<std::size_t>(size), '\0');
    if (size > 0) {
        copyFetchedCaptions(text.data());
    }
    return true;
}

// Runs once the toolkit's loop has started and has given the canvas the window's first size.
void startPage(void*) {
    if (exhibitEnded) {
        return; // no window to fit
    }
    // The toolkit's listeners turn the first finger into mouse events and cancel every touch's
    // end, cancelable or not.
    emscripten_run_script("['touchstart', 'touchmove', 'touchend'].forEach(function (type) {"
                          "  window.removeEventListener(type, GLUT.touchHandler, true); });");
    const char* document = EMSCRIPTEN_EVENT_TARGET_DOCUMENT;
    emscripten_set_touchstart_callback(canvasSelector, nullptr, EM_FALSE, onTouch);
    emscripten_set_touchmove_callback(canvasSelector, nullptr, EM_FALSE, onTouch);
    emscripten_set_touchend_callback(canvasSelector, nullptr, EM_FALSE, onTouch);
    emscripten_set_touchcancel_callback(canvasSelector, nullptr, EM_FALSE, onTouch);
    emscripten_set_wheel_callback(canvasSelector, nullptr, EM_FALSE, onWheel);
    emscripten_set_mousedown_callback(canvasSelector, nullptr, EM_FALSE, onMouse);
    emscripten_set_mousemove_callback(document, nullptr, EM_FALSE, onMouse);
    emscripten_set_mouseup_callback(document, nullptr, EM_FALSE, onMouse);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onResize);
    fitCanvas();
}

// The toolkit makes the canvas's context without alpha, as the program asks; the page's needs
// it, for the view drawn beneath to show through the overlay (view_canvas.h).
void giveTheCanvasAlpha() {
    emscripten_run_script("(function (canvas) { var plain = canvas.getContext;"
                          "  canvas.getContext = function (kind, attributes) {"
                          "    if (/webgl/.test(kind)) {"
                          "      attributes = Object.assign({}, attributes, {alpha: true}); }"
                          "    return plain.call(canvas, kind, attributes); }; })(Module.canvas)");
}

// The exhibit's command line: a window rather than full screen, which a page may not take
// without a visitor's gesture (the canvas then follows the browser window), and the choices of
// the address.
std::vector<std::string> commandLine(const std::string& query) {
    std::vector<std::string> arguments{"tessivo-exhibit", "--window", "800x600"};
    const bool coarsePointer =
        emscripten_run_script_int("matchMedia('(pointer: coarse)').matches ? 1 : 0") != 0;
    for (std::string& argument : exhibitArguments(query, coarsePointer)) {
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

} // namespace

} // namespace tessivo

extern "C" {

// Emscripten's GLUT header names the roman stroke font by the address of this variable, which
// its library does not define. The layer draws its own copy of the font whatever is named.
void* glutStrokeRoman = nullptr;

void pageMouseFunc(void (*callback)(int button, int state, int x, int y)) {
    tessivo::callbacks.mouse = callback;
}

void pageMotionFunc(void (*callback)(int x, int y)) {
    tessivo::callbacks.motion = callback;
}

void pagePassiveMotionFunc(void (*callback)(int x, int y)) {
    tessivo::callbacks.passiveMotion = callback;
}

// The program's display callback, called through the page: the frame is timed whole when the
// page profiles (FrameProfile), and its overlay ends it. It registers the toolkit's own.
#undef glutDisplayFunc
void pageDisplayFunc(void (*callback)(void)) {
    tessivo::programDisplay = callback;
    glutDisplayFunc(callback != nullptr ? tessivo::pageDisplay : nullptr);
}

// The program's own layout of the controls (layoutReport), for the page's tests.
EMSCRIPTEN_KEEPALIVE const char* pageLayout() {
    static std::string report;
    report = tessivo::layoutReport();
    return report.c_str();
}

// The device pixel ratio at which the 3D view is drawn now, for the page's tests.
EMSCRIPTEN_KEEPALIVE double pageViewPixelRatio() {
    return tessivo::overlaySettings().devicePixelRatio * tessivo::viewScale();
}
}

int main() {
    tessivo::overlaySettings().devicePixelRatio = emscripten_get_device_pixel_ratio();
    const std::string query = emscripten_run_script_string("location.search");
    if (tessivo::profileAsked(query)) {
        tessivo::FrameProfile::instance().start();
    }
    tessivo::gllayer::Layer::instance().setBackend(&tessivo::canvasBackend());
    tessivo::shellState().viewBegins = tessivo::viewBegins;
    tessivo::shellState().viewDrawn = tessivo::viewDrawn;
    // Only a screen with more pixels than CSS pixels has a resolution to give up; there the
    // program's canvas is transparent, for the view beneath to show through the overlay.
    tessivo::adapting = tessivo::queryValue(query, "adapt") != "0" &&
                        tessivo::overlaySettings().devicePixelRatio > 1.0;
    if (tessivo::adapting) {
        tessivo::giveTheCanvasAlpha();
        tessivo::canvasBackend().setCanvasTransparent(true);
    }
    std::vector<std::string> arguments = tessivo::commandLine(query);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    emscripten_async_call(tessivo::startPage, nullptr, 0);
    const int status = tessivo::runExhibit(static_cast<int>(arguments.size()), argv.data(),
                                           tessivo::readFetchedCaptions);
    tessivo::exhibitEnded = true;
    return status;
}
