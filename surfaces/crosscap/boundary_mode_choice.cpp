#include "surfaces/crosscap/boundary_mode_choice.h"

#include "math/angles.h"
#include "math/draw_helpers.h"

#include <cmath>

namespace tessivo {

namespace {
constexpr int spokeCount = 20;
constexpr double innerRadius = 6.0;
constexpr double outerRadius = 8.0;
} // namespace

BoundaryModeChoice::BoundaryModeChoice() : ChoiceRow(4, 20.0) {
    // 19 steps around the circle for 20 spokes: the last spoke lands on the first.
    ringPoints.reserve(2 * spokeCount);
    for (int k = 0; k < spokeCount; ++k) {
        const double angle = k * 2.0 * pi / (spokeCount - 1);
        const double c = std::cos(angle), s = std::sin(angle);
        ringPoints.push_back({innerRadius * c, innerRadius * s});
        ringPoints.push_back({outerRadius * c, outerRadius * s});
    }
}

Vec3 BoundaryModeChoice::spokeColour(int index) {
    return hueRamp(index / 39.0, 1.0);
}

} // namespace tessivo
