#pragma once

#include "math/vec3.h"

#include <gtest/gtest.h>

namespace tessivo::testing {

// Each coordinate of actual within tolerance of expected's.
inline void expectNear(const Vec3& actual, const Vec3& expected, double tolerance = 1e-12) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

} // namespace tessivo::testing
