#include "app/idle_watch.h"

#include "scene/clock.h"

#include <algorithm>

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

std::optional<int> IdleWatch::millisecondsToReset(int now) const {
    if (idleResetMs <= 0 || atStart) {
        return std::nullopt;
    }
    return std::max(0, idleResetMs - millisecondsBetween(lastInput, now));
}

int IdleWatch::millisecondsToCursorHide(int now) const {
    return std::max(0, cursorHideMs - millisecondsBetween(lastMotion, now));
}

} // namespace tessivo
