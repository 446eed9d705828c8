#include "scene/clock.h"

#include <GL/glut.h>
#include <cstdint>

namespace tessivo {

namespace {
// Process-wide because the toolkit's clock is process-wide; every animation must agree on now.
bool toolkitStarted = false;
bool fixedForTesting = false;
int fixedTime = 0;
// The animation clock while held, and how far it has fallen behind the wall clock through all
// the holds so far.
bool held = false;
int heldTime = 0;
int heldBack = 0;
} // namespace

int wallClockMilliseconds() {
    if (fixedForTesting) {
        return fixedTime;
    }
    return toolkitStarted ? glutGet(GLUT_ELAPSED_TIME) : 0;
}

int nowMilliseconds() {
    if (held) {
        return heldTime;
    }
    const std::uint32_t wall = static_cast<std::uint32_t>(wallClockMilliseconds());
    return static_cast<int>(wall - static_cast<std::uint32_t>(heldBack));
}

void holdAnimationClock() {
    if (!held) {
        heldTime = nowMilliseconds();
        held = true;
    }
}

void resumeAnimationClock() {
    if (held) {
        held = false;
        heldBack = millisecondsBetween(heldTime, wallClockMilliseconds());
    }
}

void startToolkitClock() {
    toolkitStarted = true;
}

void setClockForTesting(int ms) {
    fixedForTesting = true;
    fixedTime = ms;
}

void releaseClockForTesting() {
    fixedForTesting = false;
    held = false;
    heldBack = 0;
}

int millisecondsBetween(int earlier, int later) {
    const std::uint32_t difference =
        static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier);
    return static_cast<int>(difference);
}

} // namespace tessivo
