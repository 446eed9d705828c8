#pragma once

namespace tessivo::gllayer {

// Where the layer's time goes, summed in milliseconds from a clock that the page sets when it
// is asked to profile. Without a clock nothing is timed, and the layer pays one test a glEnd.
// The layer times whole glBegin/glEnd blocks and whole draws, never single vertices: the
// browser's clock is coarse (a tenth of a millisecond in a page that is not cross-origin
// isolated, with a jitter that leaves sums over many intervals about right).
class LayerProfile {
public:
    using Clock = double (*)();

    void setClock(Clock clock) { now_ = clock; }
    bool on() const { return now_ != nullptr; }
    double now() const { return now_ != nullptr ? now_() : 0.0; }

    double transformLighting = 0.0; // vertices into clip coordinates and final colours
    double assembly = 0.0;          // primitives assembled, faced and batched
    double rasterCalls = 0.0;       // in the backend's calls (WebGL's on the page)

    double total() const { return transformLighting + assembly + rasterCalls; }
    void clearTimes() { transformLighting = assembly = rasterCalls = 0.0; }

private:
    Clock now_ = nullptr;
};

} // namespace tessivo::gllayer
