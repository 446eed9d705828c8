#pragma once

#include <cmath>

namespace tessivo {

// A point or vector in overlay coordinates: pixels, origin at the bottom-left of the window,
// y upwards.
struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

inline Vec2 operator+(const Vec2& a, const Vec2& b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(const Vec2& a, const Vec2& b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(double s, const Vec2& v) {
    return {s * v.x, s * v.y};
}
inline Vec2 operator*(const Vec2& v, double s) {
    return s * v;
}
inline bool operator==(const Vec2& a, const Vec2& b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(const Vec2& a, const Vec2& b) {
    return !(a == b);
}

inline double dot(const Vec2& a, const Vec2& b) {
    return a.x * b.x + a.y * b.y;
}

// The z component of the 3D cross product: positive when b lies counter-clockwise of a.
inline double cross(const Vec2& a, const Vec2& b) {
    return a.x * b.y - a.y * b.x;
}

inline double lengthSquared(const Vec2& v) {
    return dot(v, v);
}
inline double length(const Vec2& v) {
    return std::sqrt(lengthSquared(v));
}

} // namespace tessivo
