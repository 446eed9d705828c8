#pragma once

namespace tessivo {

// The one definition of pi; angles are in radians unless a name says degrees.
inline constexpr double pi = 3.14159265358979323846;

inline constexpr double radiansPerDegree = pi / 180.0;
inline constexpr double degreesPerRadian = 180.0 / pi;

} // namespace tessivo
