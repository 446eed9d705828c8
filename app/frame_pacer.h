#pragma once

namespace tessivo {

// When to draw the next frame for at most framesPerSecond frames a second. Frames fall on a
// fixed grid of 1000 / framesPerSecond milliseconds, so a timer that fires late, or a frame
// that takes long, does not lower the rate: the frames behind are drawn at once until the grid
// is reached again. After a stall of more than catchUpFrames frames the grid starts again from
// now instead of drawing all the missed frames in a burst.
class FramePacer {
public:
    static constexpr int catchUpFrames = 4;

    // 0 frames per second: no limit, every frame is due at once.
    explicit FramePacer(int framesPerSecond);

    // Milliseconds from now (the clock's) to the next frame of the grid; 0 when it is due.
    int nextDelay(int now);

    // The grid starts again at the next call, as at the first: after a rest without frames,
    // the first frame is not followed at once by the ones missed during the rest.
    void restart() {
        started = false;
        ahead = 0.0;
    }

private:
    double interval;
    bool started = false;
    // The grid point of the next frame is base + ahead, kept apart so that base can follow
    // the clock's wrap.
    int base = 0;
    double ahead = 0.0;
};

} // namespace tessivo
