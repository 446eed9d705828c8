#include "ui/push_button.h"

#include "ui/control_colours.h"

#include <algorithm>

namespace tessivo {

namespace {
constexpr double hitRadius = 10.0;
} // namespace

bool PushButton::contains(const Vec2& p) const {
    if (touchSide > 0.0) {
        return bounds().contains(p);
    }
    return lengthSquared(p - position) < hitRadius * hitRadius;
}

Rect PushButton::bounds() const {
    return squareAround(position, std::max(hitRadius, touchSide / 2.0));
}

PointerHandler* PushButton::target(const Vec2& p) {
    return contains(p) ? this : nullptr;
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
