#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace tessivo::gllayer {

using ClipPoint = std::array<double, 4>;

// Clips a point, a segment or a convex polygon in clip coordinates against GL's view volume
// (-w <= x, y, z <= w) and returns the range of normalised depth z/w (-1..1) of what is left,
// or nothing when nothing is. Selection mode records hits with these depths.
std::optional<std::pair<double, double>> clippedDepthRange(std::vector<ClipPoint> polygon);

} // namespace tessivo::gllayer
