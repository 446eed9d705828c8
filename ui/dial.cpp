#include "ui/dial.h"

#include "scene/clock.h"
#include "ui/frame_time.h"

#include <cmath>

namespace tessivo {

namespace {
constexpr double outerRadius = 20.0;
constexpr double knobDistance = 15.0;
constexpr double slowestFlingSquared = 0.01; // (0.1 pixel per second)^2
constexpr double slowestSpin = 0.01;         // radians per second
} // namespace

bool Dial::contains(const Vec2& p) const {
    return roundContains(p, outerRadius);
}

Rect Dial::bounds() const {
    return roundBounds(outerRadius);
}

void Dial::reset() {
    angle = startAngle;
    spin = 0.0;
    dragging = hover = false;
}

void Dial::onPress(const Vec2& p) {
    lastPoint = p;
    spin = 0.0;
    dragging = true;
}

void Dial::onDrag(const Vec2& p) {
    const Vec2 from = lastPoint - position;
    const Vec2 to = p - position;
    lastPoint = p;
    // |from x to| = |from| |to| sin(swept angle).
    const double lengths = std::sqrt(lengthSquared(from) * lengthSquared(to));
    if (lengths > 0.0) {
        angle += cross(from, to) / lengths;
    }
}

void Dial::onFling(const Vec2& p, const Vec2& velocity) {
    if (lengthSquared(velocity) < slowestFlingSquared) {
        return;
    }
    const Vec2 radius = p - position;
    const double distance = length(radius);
    if (distance <= 0.0) {
        return;
    }
    // The signed angle from the pointer's direction to where it would be 1 ms later.
    const Vec2 later = radius + 0.001 * velocity;
    const Vec2 direction = radius * (1.0 / distance);
    spin = 1000.0 * std::atan2(cross(direction, later), dot(direction, later));
    if (std::abs(spin) < slowestSpin) {
        spin = 0.0;
    }
    lastTime = nowMilliseconds();
}

void Dial::advanceSpin(int now) {
    if (spin != 0.0) {
        angle += frameStep(lastTime, now) * spin * 0.001;
    }
}

Vec2 Dial::knobOffset() const {
    return {knobDistance * std::cos(angle), knobDistance * std::sin(angle)};
}

Vec3 Dial::knobColour() const {
    if (dragging) {
        return {0.8, 0.6, 0.75};
    }
    if (hover) {
        return {0.9, 0.7, 0.85};
    }
    return {0.7, 0.4, 0.8};
}

} // namespace tessivo
