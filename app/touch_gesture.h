#pragma once

#include "math/vec2.h"

#include <vector>

namespace tessivo {

// Turns the fingers on a touch screen into what the shell understands: one finger is the
// pointer (a press, drags, a release), two fingers pinch the view's zoom and turn nothing.
// When a second finger lands, the first one's press is cancelled where it is; when one of two
// lifts, the other takes the pointer again at its next move, pressing where it then is, so the
// object goes on turning without a jump. Fingers beyond the first two are ignored, each until
// it lifts. Points are in window coordinates.
class TouchGesture {
public:
    struct Action {
        enum Kind {
            Press,
            Drag,
            Release,
            // The press ends without acting: no click, no fling.
            Cancel,
            // The view's zoom multiplies by factor.
            Zoom,
        };
        Kind kind = Press;
        Vec2 point;
        double factor = 1.0;
    };

    std::vector<Action> start(int id, const Vec2& point);
    std::vector<Action> move(int id, const Vec2& point);
    std::vector<Action> end(int id, const Vec2& point);
    // A touch the browser or the system took away: it ends like a lift, without acting.
    std::vector<Action> cancel(int id);

    // Fingers followed, at most two.
    int fingerCount() const { return static_cast<int>(fingers.size()); }

private:
    struct Finger {
        int id = 0;
        Vec2 point;
    };
    Finger* find(int id);
    std::vector<Action> lift(int id, const Vec2* point, bool acts);

    std::vector<Finger> fingers;
    // The one finger left holds the pointer (it pressed and has not lifted).
    bool pressing = false;
};

} // namespace tessivo
