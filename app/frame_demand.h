#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace tessivo {

// Whether the next frame can differ from the last one drawn, so that a still picture costs no
// frames. The picture changes by itself only while something moves (the object spins, a menu
// unfolds, wheels roll, a text fades): each such movement is a source, asked before every
// frame. Everything else that changes it (input, a new window size) marks it changed; an
// exposed window the toolkit redraws by itself. A change that will start by itself at a known
// time while everything stands still (the return to the start after the idle time) is an
// alarm, so that the program can sleep until then instead of looking at the clock.
//
// To add a movement: addMovement with a function that is true while it runs. To add a change
// that no movement shows (a new kind of input, a text that appears): markChanged where it
// happens, or addAlarm when it happens at a time known in advance.
class FrameDemand {
public:
    // True while the picture changes with time alone.
    using Movement = std::function<bool()>;
    // Milliseconds from now (the wall clock) until something starts to move or change by
    // itself, or none while nothing is due.
    using Alarm = std::function<std::optional<int>(int now)>;

    void addMovement(Movement movement);
    void addAlarm(Alarm alarm);

    void markChanged();

    // Whether a movement runs now.
    bool moving() const;

    // Whether to draw the next frame: the picture was marked changed since the last frame, or
    // a movement runs, or one ran at the last frame. That one frame more after a movement ends
    // draws its last step, whether a source steps before it draws (the menu) or after (a spin
    // steps after the frame that shows it). Clears the mark.
    bool takeFrameDue();

    // The earliest alarm from now, at least 0, or none.
    std::optional<int> millisecondsToAlarm(int now) const;

private:
    std::vector<Movement> movements;
    std::vector<Alarm> alarms;
    bool changed = true; // the first frame is always due
    bool movedAtLastFrame = false;
};

} // namespace tessivo
