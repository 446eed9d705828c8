#pragma once

#include <optional>

namespace tessivo {

// What the exhibit does about its visitors' absence, from the times of their last input and
// their last pointer motion: return to the start once after idleResetMs without input, turn
// the object while idle, hide the cursor after three seconds without motion. Times are the
// clock's milliseconds, compared across its wrap.
class IdleWatch {
public:
    static constexpr int cursorHideMs = 3000;

    // idleResetMs 0 never resets; the watch starts idle-free at now, as if just touched, but
    // without a visitor yet.
    IdleWatch(int idleResetMs, int now);

    // A key or a button, or a motion of the pointer.
    void noteInput(int now);
    void noteMotion(int now);

    // True once per stretch without input, when it has lasted idleResetMs; never before the
    // first input, when everything still stands as at the start (a reset then would only make
    // the turning object jump back).
    bool takeResetDue(int now);

    // From the start until the first input, and from each reset until the next input.
    bool attracting() const { return !visited; }

    bool cursorHidden(int now) const;

    // How long from now until takeResetDue turns true (0 when it is due), or none while no
    // reset is to come; and until cursorHidden does (0 once it has). For a program that sleeps
    // while nothing moves.
    std::optional<int> millisecondsToReset(int now) const;
    int millisecondsToCursorHide(int now) const;

private:
    int idleResetMs;
    int lastInput;
    int lastMotion;
    bool visited = false;
    // Nothing has changed since the start or the last reset.
    bool atStart = true;
};

} // namespace tessivo
