#include "scene/clock.h"

#include <GL/glut.h>
#include <cstdint>

namespace tessivo {

namespace {
// Process-wide because the toolkit's clock is process-wide; every animation must agree on now.
bool toolkitStarted = false;
bool fixedForTesting = false;
int fixedTime = 0;
} // namespace

int nowMilliseconds() {
    if (fixedForTesting) {
        return fixedTime;
    }
    return toolkitStarted ? glutGet(GLUT_ELAPSED_TIME) : 0;
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
}

int millisecondsBetween(int earlier, int later) {
    const std::uint32_t difference =
        static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier);
    return static_cast<int>(difference);
}

} // namespace tessivo
