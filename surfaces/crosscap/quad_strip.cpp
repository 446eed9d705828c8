#include "surfaces/crosscap/quad_strip.h"

#include "math/angles.h"

#include <cmath>

namespace tessivo::crosscap {

QuadStrip tubeStrip(const TubeRing& first, const TubeRing& second, double radius, int sides) {
    constexpr double twoPi = 2.0 * pi;
    QuadStrip strip;
    strip.reserve(2 * static_cast<size_t>(sides + 1));
    for (int m = 0; m <= sides; ++m) {
        const double psi = m * twoPi / sides;
        const double c = std::cos(psi);
        const double s = std::sin(psi);
        for (const TubeRing* ring : {&first, &second}) {
            const Vec3 d = c * ring->u + s * ring->v;
            strip.push_back({ring->centre + radius * d, d, ring->hue});
        }
    }
    return strip;
}

} // namespace tessivo::crosscap
