#include "surfaces/crosscap/embedded_band_surface.h"

#include "math/angles.h"
#include "surfaces/crosscap/difference_normal.h"

#include <cmath>

namespace tessivo {

using namespace crosscap;

namespace {

constexpr double twoPi = 2.0 * pi;
constexpr double step = 0.0001; // finite-difference step in a and b

} // namespace

Vec3 bandPoint(double a, double b) {
    const double phi = twoPi * b;
    const double cosP = std::cos(phi), sinP = std::sin(phi);
    const double cos2P = std::cos(2.0 * phi), sin2P = std::sin(2.0 * phi);
    // P0: the core circle, run twice. P3: the boundary circle, run once. P1 leaves the core
    // along (0, 1.2 cos phi, 1.2 sin phi), which turns once while the core is run twice: at b
    // and b + 1/2 the band leaves the same core point in opposite directions, the half twist
    // of a Moebius band.
    const Vec3 p0{2.0 * sin2P, 0.0, 2.0 * cos2P};
    const Vec3 p1{2.0 * sin2P, 1.2 * cosP, 1.2 * sinP + 2.0 * cos2P};
    const Vec3 p2{sin2P, 2.0 * cosP, 0.6 * sinP - 2.0};
    const Vec3 p3{0.0, 1.2 * cosP, 1.2 * sinP - 2.0};
    const Vec3 q0 = lerp(p0, p1, a), q1 = lerp(p1, p2, a), q2 = lerp(p2, p3, a);
    const Vec3 r0 = lerp(q0, q1, a), r1 = lerp(q1, q2, a);
    return lerp(r0, r1, a);
}

Vec3 bandTangent(double a, double b) {
    if (const auto t = unitVector(bandPoint(a, b + step) - bandPoint(a, b - step))) {
        return *t;
    }
    return unitVector(bandPoint(a + step, b) - bandPoint(a, b)).value_or(Vec3{1, 0, 0});
}

Vec3 bandNormal(double a, double b) {
    return differenceNormal(bandPoint, a, b, step, false);
}

std::vector<double> bandColumns(double aStart, double aEnd) {
    std::vector<double> columns;
    for (int i = 0;; ++i) {
        const double a = aStart + i * (1.0 - aStart) * 0.025;
        if (!(a < aEnd) || i == 40) {
            columns.push_back(aEnd);
            return columns;
        }
        columns.push_back(a);
    }
}

std::vector<int> bandStripRows(bool striped) {
    std::vector<int> rows;
    for (int k = 0; k < 92; k += striped ? 2 : 1) {
        rows.push_back(k);
    }
    return rows;
}

std::vector<QuadStrip> bandSurface(double aStart, double aEnd, bool striped) {
    const std::vector<double> columns = bandColumns(aStart, aEnd);
    std::vector<QuadStrip> strips;
    for (const int k : bandStripRows(striped)) {
        const double b0 = k / 92.0;
        const double b1 = (k + 1) / 92.0;
        QuadStrip strip;
        strip.reserve(2 * columns.size());
        for (const double a : columns) {
            strip.push_back({bandPoint(a, b1), bandNormal(a, b1)});
            strip.push_back({bandPoint(a, b0), bandNormal(a, b0)});
        }
        strips.push_back(std::move(strip));
    }
    return strips;
}

std::vector<TubeRing> bandEdgeRings(double a) {
    std::vector<TubeRing> rings;
    rings.reserve(94);
    const auto ringAt = [a](double b) {
        const Vec3 n = bandNormal(a, b);
        const Vec3 t = bandTangent(a, b);
        return TubeRing{bandPoint(a, b), n, cross(n, t)};
    };
    rings.push_back(ringAt(1.0));
    for (int k = 0; k <= 92; ++k) {
        rings.push_back(ringAt(k / 92.0));
    }
    return rings;
}

std::vector<QuadStrip> bandEdgeTube(double a) {
    const std::vector<TubeRing> rings = bandEdgeRings(a);
    std::vector<QuadStrip> strips;
    strips.reserve(93);
    for (size_t k = 0; k + 1 < rings.size(); ++k) {
        strips.push_back(tubeStrip(rings[k], rings[k + 1], 0.05, 9));
    }
    return strips;
}

} // namespace tessivo
