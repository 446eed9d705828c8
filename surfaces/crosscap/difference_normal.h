#pragma once

#include "math/vec3.h"

#include <cmath>
#include <optional>

namespace tessivo::crosscap {

// Directions from finite differences. A difference vector may vanish, or two may be parallel,
// where a parametrisation is singular (a pinch point, a curve run at zero speed, a straight
// piece of a curve); there the plain division by the length would give NaN, which must never
// reach GL as a vertex. These helpers report such cases so that the caller can fall back.

// v / |v|, or nothing when |v| is zero, underflows or is not finite.
inline std::optional<Vec3> unitVector(const Vec3& v) {
    const double len = length(v);
    if (!(len > 0.0) || !std::isfinite(len)) {
        return std::nullopt;
    }
    const Vec3 unit = v / len;
    if (!isFinite(unit)) {
        return std::nullopt;
    }
    return unit;
}

// Some unit vector perpendicular to the unit vector t: t crossed with the coordinate axis along
// which t is shortest (never parallel to t). For t = 0 the result is (0, 0, 1).
inline Vec3 perpendicularTo(const Vec3& t) {
    const double ax = std::fabs(t.x), ay = std::fabs(t.y), az = std::fabs(t.z);
    const Vec3 axis = ax <= ay && ax <= az ? Vec3{1, 0, 0}
                      : ay <= az           ? Vec3{0, 1, 0}
                                           : Vec3{0, 0, 1};
    return unitVector(cross(t, axis)).value_or(Vec3{0, 0, 1});
}

// The part of `guess` perpendicular to the unit vector t, as a unit vector; when guess is
// (nearly) parallel to t, so that what is left of it is mostly rounding error, some other unit
// vector perpendicular to t.
inline Vec3 perpendicularPart(const Vec3& guess, const Vec3& t) {
    const Vec3 rest = guess - dot(guess, t) * t;
    if (length(rest) > 1e-6 * length(guess)) {
        if (const auto unit = unitVector(rest)) {
            return *unit;
        }
    }
    return perpendicularTo(t);
}

// Unit normal of a parametric surface S(a, b) from one-sided differences:
//   Da = S(a + h, b) - S(a, b)   (or S(a, b) - S(a - h, b) when backwardInA),
//   Db = S(a, b + h) - S(a, b),   normal = (Da x Db) / |Da x Db|.
// Where Da x Db has no direction (a singular point of the parametrisation, or differences lost
// to rounding) the same is tried with a step 1000 times larger, which steps off an isolated
// singular point; if that fails too (a surface degenerate over a whole neighbourhood) the
// result is (0, 0, 1). The result is always a finite unit vector for finite surface values.
// Surface: any callable Vec3(double a, double b).
template <class Surface>
Vec3 differenceNormal(const Surface& surface, double a, double b, double h, bool backwardInA) {
    const Vec3 p = surface(a, b);
    for (const double step : {h, 1000.0 * h}) {
        const Vec3 da = backwardInA ? p - surface(a - step, b) : surface(a + step, b) - p;
        const Vec3 db = surface(a, b + step) - p;
        if (const auto n = unitVector(cross(da, db))) {
            return *n;
        }
    }
    return {0, 0, 1};
}

} // namespace tessivo::crosscap
