#include "app/frame_demand.h"

#include <algorithm>
#include <utility>

namespace tessivo {

void FrameDemand::addMovement(Movement movement) {
    movements.push_back(std::move(movement));
}

void FrameDemand::addAlarm(Alarm alarm) {
    alarms.push_back(std::move(alarm));
}

void FrameDemand::markChanged() {
    changed = true;
}

bool FrameDemand::moving() const {
    return std::any_of(movements.begin(), movements.end(),
                       [](const Movement& movement) { return movement(); });
}

bool FrameDemand::takeFrameDue() {
    const bool movingNow = moving();
    const bool due = changed || movingNow || movedAtLastFrame;
    changed = false;
    movedAtLastFrame = movingNow;
    return due;
}

std::optional<int> FrameDemand::millisecondsToAlarm(int now) const {
    std::optional<int> earliest;
    for (const Alarm& alarm : alarms) {
        if (const std::optional<int> wait = alarm(now)) {
            const int delay = std::max(0, *wait);
            earliest = earliest ? std::min(*earliest, delay) : delay;
        }
    }
    return earliest;
}

} // namespace tessivo
