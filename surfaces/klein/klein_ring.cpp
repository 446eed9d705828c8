#include "surfaces/klein/klein_ring.h"

#include "math/angles.h"

#include <cmath>

namespace tessivo {

RingShape ringShape(KleinStage stage, double progress, double cutOpening) {
    RingShape shape;
    if (stage == Rolling) {
        shape.roll = 0.99 * progress + 0.01;
    }
    if (cutOpening > 0.0) {
        shape.roll = 1.0 - 0.99 * cutOpening;
        shape.lowAngle = -pi / 2.0;
        shape.highAngle = pi / 2.0;
        shape.cut = true;
    }
    return shape;
}

double ringAngle(const RingShape& shape, int column, int columns) {
    const double c = static_cast<double>(column) / (columns - 1);
    return ((1.0 - c) * shape.lowAngle + c * shape.highAngle) * shape.roll;
}

MeshPoint ringPoint(const SpineFrame& frame, const RingShape& shape, int column, int columns) {
    const double k = shape.roll;
    const double phi = ringAngle(shape, column, columns);
    const double h = frame.height;
    const Vec3 radial = std::sin(phi) * frame.side + std::cos(phi) * frame.up;

    MeshPoint result;
    if (shape.cut) {
        const double radius = h / k;
        const Vec3 centre = frame.point - radius * frame.up;
        result.position = centre + radius * radial;
        result.normal = frame.binormalFlat + frame.binormalUp * radial;
        return result;
    }
    const double c = static_cast<double>(column) / (columns - 1);
    const Vec3 onRing = frame.ground + h * radial;
    const Vec3 onStrip = frame.ground + (c - 0.5) * frame.side + h * std::cos(phi) * frame.up;
    result.position = k * onRing + (1.0 - k) * onStrip;
    result.normal = normalised(k * (frame.binormalFlat + frame.binormalUp * radial) +
                               (1.0 - k) * (frame.binormalFlat + frame.binormalUp * frame.up));
    return result;
}

} // namespace tessivo
