#include "app/frame_pacer.h"

#include "scene/clock.h"

#include <cmath>
#include <cstdint>

namespace tessivo {

FramePacer::FramePacer(int framesPerSecond)
    : interval(framesPerSecond > 0 ? 1000.0 / framesPerSecond : 0.0) {}

int FramePacer::nextDelay(int now) {
    if (interval == 0.0) {
        return 0;
    }
    if (!started) {
        started = true;
        base = now;
    }
    ahead += interval;
    double delay = millisecondsBetween(now, base) + ahead;
    if (delay < -catchUpFrames * interval) {
        base = now;
        ahead = 0.0;
        delay = 0.0;
    }
    // Whole milliseconds move into base, which wraps like the clock.
    const double whole = std::floor(ahead);
    base = static_cast<int>(static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(whole));
    ahead -= whole;
    return delay > 0.0 ? static_cast<int>(std::ceil(delay)) : 0;
}

} // namespace tessivo
