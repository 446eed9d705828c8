#pragma once

#include "math/vec2.h"

#include <algorithm>

namespace tessivo {

// An axis-aligned rectangle in overlay coordinates (y up), empty when it has no area.
struct Rect {
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;

    double width() const { return right - left; }
    double height() const { return top - bottom; }
    bool empty() const { return right <= left || top <= bottom; }
    bool contains(const Vec2& p) const {
        return p.x >= left && p.x < right && p.y >= bottom && p.y < top;
    }
    // Whether the two share some area; touching edges do not.
    bool overlaps(const Rect& other) const {
        return !empty() && !other.empty() && left < other.right && other.left < right &&
               bottom < other.top && other.bottom < top;
    }
    // Whether other lies wholly inside this one.
    bool encloses(const Rect& other) const {
        return other.left >= left && other.right <= right && other.bottom >= bottom &&
               other.top <= top;
    }
};

// The square of half-side r around c.
inline Rect squareAround(const Vec2& c, double r) {
    return {c.x - r, c.y - r, c.x + r, c.y + r};
}

// The smallest rectangle holding both (an empty one adds nothing).
inline Rect unite(const Rect& a, const Rect& b) {
    if (a.empty()) {
        return b;
    }
    if (b.empty()) {
        return a;
    }
    return {std::min(a.left, b.left), std::min(a.bottom, b.bottom), std::max(a.right, b.right),
            std::max(a.top, b.top)};
}

} // namespace tessivo
