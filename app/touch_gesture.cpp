#include "app/touch_gesture.h"

#include <cmath>

namespace tessivo {

namespace {

using Action = TouchGesture::Action;

Action act(Action::Kind kind, const Vec2& point = {}, double factor = 1.0) {
    Action action;
    action.kind = kind;
    action.point = point;
    action.factor = factor;
    return action;
}

double distance(const Vec2& a, const Vec2& b) {
    return std::sqrt(lengthSquared(a - b));
}

} // namespace

TouchGesture::Finger* TouchGesture::find(int id) {
    for (Finger& finger : fingers) {
        if (finger.id == id) {
            return &finger;
        }
    }
    return nullptr;
}

std::vector<Action> TouchGesture::start(int id, const Vec2& point) {
    if (fingers.size() >= 2 || find(id)) {
        return {};
    }
    fingers.push_back({id, point});
    if (fingers.size() == 1) {
        pressing = true;
        return {act(Action::Press, point)};
    }
    // A second finger: no turning while two are down.
    if (pressing) {
        pressing = false;
        return {act(Action::Cancel, fingers.front().point)};
    }
    return {};
}

std::vector<Action> TouchGesture::move(int id, const Vec2& point) {
    Finger* finger = find(id);
    if (!finger) {
        return {};
    }
    if (fingers.size() == 2) {
        const double before = distance(fingers[0].point, fingers[1].point);
        finger->point = point;
        const double after = distance(fingers[0].point, fingers[1].point);
        if (before <= 0.0 || after <= 0.0 || after == before) {
            return {};
        }
        return {act(Action::Zoom, {}, after / before)};
    }
    std::vector<Action> actions;
    if (!pressing) {
        // The finger left of a pinch takes the pointer where it is now.
        pressing = true;
        actions.push_back(act(Action::Press, finger->point));
    }
    finger->point = point;
    actions.push_back(act(Action::Drag, point));
    return actions;
}

std::vector<Action> TouchGesture::end(int id, const Vec2& point) {
    return lift(id, &point, true);
}

std::vector<Action> TouchGesture::cancel(int id) {
    return lift(id, nullptr, false);
}

std::vector<Action> TouchGesture::lift(int id, const Vec2* point, bool acts) {
    Finger* finger = find(id);
    if (!finger) {
        return {};
    }
    const Vec2 last = point ? *point : finger->point;
    fingers.erase(fingers.begin() + (finger - fingers.data()));
    if (!fingers.empty() || !pressing) {
        return {}; // one of two, or the last of a pinch: it never held the pointer
    }
    pressing = false;
    return {act(acts ? Action::Release : Action::Cancel, last)};
}

} // namespace tessivo
