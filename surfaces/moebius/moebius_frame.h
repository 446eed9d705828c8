#pragma once

#include "math/vec3.h"

namespace tessivo {

// The moving frame of the strip at one length parameter: the point on the centre line, the
// unit vector across the band (its width direction) and the unit normal (its thickness
// direction). across and normal are orthonormal; across x normal is the band's direction of
// travel, reversed.
struct MoebiusFrame {
    Vec3 centre;
    Vec3 across;
    Vec3 normal;
};

// The point at width coordinate w and thickness coordinate n of the cross-section.
inline Vec3 stripPoint(const MoebiusFrame& frame, double w, double n) {
    return frame.centre + w * frame.across + n * frame.normal;
}

} // namespace tessivo
