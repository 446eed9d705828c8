#include "web/page/frame_profile.h"

#include "web/layer/layer.h"

#include <emscripten.h>

#include <cstdio>

namespace tessivo {

namespace {

double clockMilliseconds() {
    return emscripten_get_now();
}

} // namespace

FrameProfile& FrameProfile::instance() {
    static FrameProfile profile;
    return profile;
}

void FrameProfile::start() {
    running = true;
    gllayer::Layer::instance().profile.setClock(clockMilliseconds);
}

void FrameProfile::display(void (*callback)()) {
    if (!running) {
        callback();
        return;
    }
    const double begin = clockMilliseconds();
    if (windowStart < 0.0) {
        windowStart = begin;
        gllayer::Layer::instance().profile.clearTimes();
    } else if (begin - windowStart >= 1000.0 && frames > 0) {
        report(begin);
    }
    callback();
    displayTime += clockMilliseconds() - begin;
    ++frames;
}

// Per frame over the second just ended: the program's own code is the display callback's time
// that the layer did not spend. The browser's part is the rest of the frame's wall time: the
// WebGL calls only queue commands, which SwiftShader (or a GPU) carries out apart from the
// page's thread, so their raster cannot be timed from the page without glFinish or readPixels,
// and either would stall the queue and change the frame being measured. The rest holds that
// raster as far as the page waits for it, the browser's compositing and the wait for the next
// frame's timer (about a millisecond with max-fps=0).
void FrameProfile::report(double now) {
    gllayer::LayerProfile& layer = gllayer::Layer::instance().profile;
    const double elapsed = now - windowStart;
    const double perFrame = 1.0 / frames;
    std::printf("tessivo profile: %.1f frames per second; ms per frame: program %.2f, transform "
                "and lighting %.2f, assembly and batching %.2f, WebGL calls %.2f, browser %.2f\n",
                frames * 1000.0 / elapsed, (displayTime - layer.total()) * perFrame,
                layer.transformLighting * perFrame, layer.assembly * perFrame,
                layer.rasterCalls * perFrame, (elapsed - displayTime) * perFrame);
    std::fflush(stdout);
    windowStart = now;
    frames = 0;
    displayTime = 0.0;
    layer.clearTimes();
}

} // namespace tessivo
