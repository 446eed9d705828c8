#pragma once

namespace tessivo {

// The page's ?profile=1: where a frame's time goes, printed to the console (console.log) once a
// second as milliseconds per frame. The program's display callback goes through the page
// (pageDisplayFunc) so that it can be timed whole; the GL layer times its own parts.
class FrameProfile {
public:
    static FrameProfile& instance();

    // From now on the frames are timed and reported.
    void start();
    // Runs the program's display callback, timed when the profile runs.
    void display(void (*callback)());

private:
    void report(double now);

    bool running = false;
    double windowStart = -1.0; // when the second being summed began, at a frame's start
    int frames = 0;
    double displayTime = 0.0;
};

} // namespace tessivo
