#include "surfaces/crosscap/quad_strip.h"

#include "math/angles.h"
#include "math/draw_helpers.h"

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

DrawPrimitive quadStripPrimitive(const QuadStrip& strip, bool hueColours) {
    DrawPrimitive primitive;
    for (const StripVertex& v : strip) {
        primitive.vertices.push_back({v.normal, v.point});
        if (hueColours) {
            primitive.colours.push_back(hueRamp(v.hue, 1.0));
        }
    }
    return primitive;
}

} // namespace tessivo::crosscap
