#include "ui/push_button.h"

#include "ui/control_colours.h"

namespace tessivo {

namespace {
constexpr double hitRadius = 10.0;
} // namespace

bool PushButton::contains(const Vec2& p) const {
    return roundContains(p, hitRadius);
}

Rect PushButton::bounds() const {
    return roundBounds(hitRadius);
}

void PushButton::onRelease(const Vec2& p) {
    pressed = false;
    if (contains(p)) {
        onClick();
    }
}

Vec3 PushButton::stateColour() const {
    if (pressed) {
        return hover ? Vec3{1.0, 0.5, 0.5} : Vec3{0.8, 0.1, 0.1};
    }
    return hover ? Vec3{0.5, 1.0, 1.0} : controlIdleColour;
}

} // namespace tessivo
