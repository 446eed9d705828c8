#include "surfaces/crosscap/surface_mode_choice.h"

namespace tessivo {

std::array<Vec2, 5> SurfaceModeChoice::outlineCorners() {
    return {{{-7, -7}, {-7, 7}, {7, 7}, {7, -7}, {-7, -7}}};
}

std::array<std::array<Vec2, 2>, 4> SurfaceModeChoice::barCorners() {
    std::array<std::array<Vec2, 2>, 4> bars{};
    for (int k = 0; k < 4; ++k) {
        const double left = -7.0 + 4.0 * k;
        bars[k] = {{{left, -7}, {left + 2, 7}}};
    }
    return bars;
}

} // namespace tessivo
