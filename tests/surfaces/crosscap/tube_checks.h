#pragma once

#include "surfaces/crosscap/quad_strip.h"
#include "tests/support/vec3_checks.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace tessivo::crosscap {

using testing::expectNear;

// Every point and normal finite, every normal of non-zero length.
inline bool allFinite(const std::vector<QuadStrip>& strips) {
    for (const QuadStrip& strip : strips) {
        for (const StripVertex& v : strip) {
            if (!isFinite(v.point) || !isFinite(v.normal) || !(length(v.normal) > 0.0)) {
                return false;
            }
        }
    }
    return true;
}

// The narrowest waist of a tube strip, relative to its radius: for each side of the tube, the
// distance of the midpoint of the two vertices it joins from the midpoint of the two ring
// centres. A straight untwisted piece has waist 1; rings joined half a turn apart pinch the
// tube to 0 there.
inline double narrowestWaist(const QuadStrip& strip, const Vec3& centre0, const Vec3& centre1,
                             double radius) {
    const Vec3 middle = 0.5 * (centre0 + centre1);
    double waist = 1e9;
    for (size_t i = 0; i + 1 < strip.size(); i += 2) {
        const Vec3 side = 0.5 * (strip[i].point + strip[i + 1].point);
        waist = std::min(waist, length(side - middle) / radius);
    }
    return waist;
}

} // namespace tessivo::crosscap
