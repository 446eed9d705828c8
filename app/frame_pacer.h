#pragma once

namespace tessivo {

// When to draw the next frame for at most framesPerSecond frames a second. Frames fall on a
// fixed grid of 1000 / framesPerSecond milliseconds, so a timer that fires a little late does
// not lower the rate; after a stall of more than a frame the grid starts again from now
// instead of drawing the missed frames in a burst.
class FramePacer {
public:
    explicit FramePacer(int framesPerSecond);

    // Milliseconds from now (the clock's) to the next frame of the grid; 0 when it is due.
    int nextDelay(int now);

private:
    double interval;
    bool started = false;
    // The grid point of the next frame is base + ahead, kept apart so that base can follow
    // the clock's wrap.
    int base = 0;
    double ahead = 0.0;
};

} // namespace tessivo
