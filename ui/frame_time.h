#pragma once

#include "scene/clock.h"

namespace tessivo {

// Milliseconds from lastTime to now, for an animation that steps once per frame; lastTime
// becomes now. The difference is wrap-safe (millisecondsBetween), so animations run on across
// the wrap of the toolkit's int clock. A negative difference can only mean that the previous
// step lies more than 24.8 days back: it counts as no time at all, so that no animation runs
// backwards or far past its range (an emblem that went on "closing" by minus 24 days would
// end up open millions of times over).
inline int frameStep(int& lastTime, int now) {
    const int dt = millisecondsBetween(lastTime, now);
    lastTime = now;
    return dt > 0 ? dt : 0;
}

} // namespace tessivo
