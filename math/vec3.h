#pragma once

#include <cmath>

namespace tessivo {

// A point or direction in 3D. Plain value, copied freely.
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator-(const Vec3& a) {
    return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(double s, const Vec3& v) {
    return {s * v.x, s * v.y, s * v.z};
}
inline Vec3 operator*(const Vec3& v, double s) {
    return s * v;
}
inline Vec3 operator/(const Vec3& v, double s) {
    return {v.x / s, v.y / s, v.z / s};
}

inline double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Right-handed cross product: cross(x, y) = z.
inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double lengthSquared(const Vec3& v) {
    return dot(v, v);
}
inline double length(const Vec3& v) {
    return std::sqrt(lengthSquared(v));
}

// Unit vector along v. A zero vector has no direction: the result is then NaN, as the plain
// division gives; callers that may meet one check the length first.
inline Vec3 normalised(const Vec3& v) {
    return v / length(v);
}

// Linear interpolation: a at t = 0, b at t = 1.
inline Vec3 lerp(const Vec3& a, const Vec3& b, double t) {
    return (1.0 - t) * a + t * b;
}

inline bool isFinite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace tessivo
