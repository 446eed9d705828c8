#include "app/idle_watch.h"

#include "scene/clock.h"

namespace tessivo {

IdleWatch::IdleWatch(int idleResetMs, int now)
    : idleResetMs(idleResetMs), lastInput(now), lastMotion(now) {}

void IdleWatch::noteInput(int now) {
    lastInput = now;
    visited = true;
    atStart = false;
}

void IdleWatch::noteMotion(int now) {
    noteInput(now);
    lastMotion = now;
}

bool IdleWatch::takeResetDue(int now) {
    if (idleResetMs <= 0 || atStart || millisecondsBetween(lastInput, now) < idleResetMs) {
        return false;
    }
    atStart = true;
    visited = false;
    return true;
}

bool IdleWatch::cursorHidden(int now) const {
    return millisecondsBetween(lastMotion, now) >= cursorHideMs;
}

} // namespace tessivo
