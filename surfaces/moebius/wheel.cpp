#include "surfaces/moebius/wheel.h"

#include "math/angles.h"

#include <cmath>

namespace tessivo {

namespace {

// The angle of sample i of n, closing the circle at i = n - 1.
double sampleAngle(int i, int samples) {
    return 2.0 * pi * i / (samples - 1);
}

} // namespace

DrawPrimitive wheelBand(double r, double h, int samples) {
    DrawPrimitive band{PrimitiveKind::QuadStrip, {}};
    for (int i = 0; i < samples && samples >= 2; ++i) {
        const double c = std::cos(sampleAngle(i, samples));
        const double s = std::sin(sampleAngle(i, samples));
        const Vec3 normal{c, s, 0.0};
        band.vertices.push_back({normal, {r * c, r * s, h}});
        band.vertices.push_back({normal, {r * c, r * s, -h}});
    }
    return band;
}

std::vector<DrawPrimitive> wheelRing(double r1, double r2, double z, int samples) {
    std::vector<DrawPrimitive> ring;
    const Vec3 normal{0.0, 0.0, 1.0};
    for (int i = 0; i + 1 < samples; ++i) {
        const double c0 = std::cos(sampleAngle(i, samples));
        const double s0 = std::sin(sampleAngle(i, samples));
        const double c1 = std::cos(sampleAngle(i + 1, samples));
        const double s1 = std::sin(sampleAngle(i + 1, samples));
        ring.push_back({PrimitiveKind::Polygon,
                        {{normal, {r1 * c0, r1 * s0, z}},
                         {normal, {r2 * c0, r2 * s0, z}},
                         {normal, {r2 * c1, r2 * s1, z}},
                         {normal, {r1 * c1, r1 * s1, z}}}});
    }
    return ring;
}

DrawPrimitive wheelSpoke(double r, double length, int samples) {
    DrawPrimitive spoke{PrimitiveKind::QuadStrip, {}};
    for (int i = 0; i < samples && samples >= 2; ++i) {
        const double c = std::cos(sampleAngle(i, samples));
        const double s = std::sin(sampleAngle(i, samples));
        const Vec3 normal{c, 0.0, s};
        spoke.vertices.push_back({normal, {r * c, 0.0, r * s}});
        spoke.vertices.push_back({normal, {r * c, length, r * s}});
    }
    return spoke;
}

double wheelRollDegrees(double distance) {
    return -distance / wheelRadius * (180.0 / pi);
}

} // namespace tessivo
