#include "surfaces/crosscap/cross_cap_surface.h"

#include "math/angles.h"
#include "surfaces/crosscap/difference_normal.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

using namespace crosscap;

namespace {

constexpr double step = 0.00001; // finite-difference step in a and b

// The guides of the cross-section at b: its ends P, Q and the point C that its bulge leans
// towards. At morph 0, P and Q are the ends A, B of a diameter of a circle of radius 0.25 whose
// centre M runs around the circle of radius 2 in the plane z = 0 while the diameter turns half
// as fast; C = M is then their midpoint and the section is straight. At morph 1 the ends are
// +-A' on the circle of radius 2.25 in the plane y = 0 and C = M' lies on the y axis below the
// origin, so the sections bulge towards -y and cross each other: the cross-cap.
struct SectionGuides {
    Vec3 p, q, c;
};

SectionGuides sectionGuides(double b, double morph) {
    const double theta = pi * b;
    const double cosT = std::cos(theta), sinT = std::sin(theta);
    const double cos2T = std::cos(2.0 * theta), sin2T = std::sin(2.0 * theta);
    const Vec3 a{(2.0 + 0.25 * cosT) * cos2T, (2.0 + 0.25 * cosT) * sin2T, 0.25 * sinT};
    const Vec3 bEnd{(2.0 - 0.25 * cosT) * cos2T, (2.0 - 0.25 * cosT) * sin2T, -0.25 * sinT};
    const Vec3 m{2.0 * cos2T, 2.0 * sin2T, 0.0};
    const Vec3 aMorphed{2.25 * cosT, 0.0, 2.25 * sinT};
    const Vec3 mMorphed{0.0, sin2T - 2.0, 0.0};
    return {lerp(a, aMorphed, morph), lerp(bEnd, -aMorphed, morph), lerp(m, mMorphed, morph)};
}

} // namespace

Vec3 crossCapPoint(double a, double b, double morph) {
    const SectionGuides g = sectionGuides(b, morph);
    // The Hermite cubic from P to Q with end tangents D and -D. D vanishes when C is the
    // midpoint of P and Q; the points then follow the spacing 3a^2 - 2a^3 along the chord.
    const Vec3 d = 3.0 * (g.c - 0.5 * (g.p + g.q));
    const Vec3 chord = g.q - g.p;
    return g.p + a * d + (a * a) * (3.0 * chord - d) - (2.0 * a * a * a) * chord;
}

Vec3 crossCapNormal(double a, double b, double morph) {
    const auto surface = [morph](double u, double v) { return crossCapPoint(u, v, morph); };
    return -differenceNormal(surface, a, b, step, a + step > 1.0);
}

std::vector<int> crossCapStripRows(bool striped) {
    std::vector<int> rows;
    for (int i = 0; i <= 50; ++i) {
        if (striped && (i & 2) != 0) {
            continue;
        }
        rows.push_back(i);
    }
    return rows;
}

QuadStrip crossCapStrip(int row, double morph) {
    const double b0 = row / 51.0;
    const double b1 = (row + 1) / 51.0;
    QuadStrip strip;
    strip.reserve(60);
    for (int j = 0; j <= 29; ++j) {
        const double a = j / 29.0;
        strip.push_back({crossCapPoint(a, b0, morph), crossCapNormal(a, b0, morph)});
        strip.push_back({crossCapPoint(a, b1, morph), crossCapNormal(a, b1, morph)});
    }
    return strip;
}

std::vector<QuadStrip> crossCapSurface(double morph, bool striped) {
    std::vector<QuadStrip> strips;
    for (const int row : crossCapStripRows(striped)) {
        strips.push_back(crossCapStrip(row, morph));
    }
    return strips;
}

std::vector<TubeRing> crossCapBoundaryRings(double morph) {
    std::vector<TubeRing> rings;
    rings.reserve(101);
    Vec3 c;
    for (int i = 0; i <= 100; ++i) {
        const double l = i / 99.0;
        const double b = 2.0 * l;
        const Vec3 p = crossCapPoint(0.0, b, morph);
        const Vec3 forward = crossCapPoint(0.0, b + step, morph) - p;
        const Vec3 backward = p - crossCapPoint(0.0, b - step, morph);
        // The boundary never stands still for morph in [0, 1]; should it, the last tangent
        // (u x v of the last ring) stands in, so that no NaN reaches a vertex.
        const bool first = rings.empty();
        const Vec3 t = unitVector(backward + forward)
                           .value_or(first ? unitVector(forward).value_or(Vec3{1, 0, 0})
                                           : cross(rings.back().u, rings.back().v));
        if (first) {
            // The binormal of the boundary curve at b = 0, where it is well curved.
            c = unitVector(cross(backward, forward)).value_or(perpendicularTo(t));
        } else {
            // Carried along from ring to ring rather than taken from each ring's binormal: the
            // boundary of the cross-cap at morph 3/4 has an inflection at b = 1, where the
            // binormal turns over, and the rings on either side would be joined half a turn
            // apart, pinching the tube to a point.
            c = perpendicularPart(c, t);
        }
        rings.push_back({p, c, cross(t, c), l});
    }
    return rings;
}

std::vector<QuadStrip> crossCapBoundaryTube(double morph) {
    const std::vector<TubeRing> rings = crossCapBoundaryRings(morph);
    std::vector<QuadStrip> strips;
    strips.reserve(99);
    for (size_t i = 2; i < rings.size(); ++i) {
        strips.push_back(tubeStrip(rings[i], rings[i - 1], 0.05, 11));
    }
    return strips;
}

double crossCapSectionPosition(double dialAngle) {
    const double turns = dialAngle / (2.0 * pi);
    const double b = turns - std::floor(turns);
    // A tiny negative number of turns rounds up to exactly one; that is the start again.
    return b < 1.0 ? b : 0.0;
}

std::vector<TubeRing> crossCapSectionRings(double morph, double b) {
    std::vector<TubeRing> rings;
    rings.reserve(51);
    Vec3 n;
    for (int i = 0; i <= 50; ++i) {
        const double a = 0.02 * i;
        const Vec3 p = crossCapPoint(a, b, morph);
        const double ahead = std::min(a + step, 1.0);
        const double behind = std::max(a - step, 0.0);
        const Vec3 chord = crossCapPoint(ahead, b, morph) - crossCapPoint(behind, b, morph);
        if (rings.empty()) {
            n = crossCapNormal(a, b, morph);
            n = perpendicularPart(n, unitVector(chord).value_or(perpendicularTo(n)));
        }
        const Vec3 t = unitVector(chord).value_or(perpendicularTo(n));
        // Carried along from ring to ring rather than taken from the surface at each ring: at
        // the pinch points of the cross-cap (morph 1, b = 1/4 and 3/4, a = 1/2) the surface
        // normal turns over within one step, and the tube would pinch there.
        n = perpendicularPart(n, t);
        rings.push_back({p, cross(t, n), n});
    }
    return rings;
}

std::vector<QuadStrip> crossCapSectionTube(double morph, double dialAngle) {
    const std::vector<TubeRing> rings =
        crossCapSectionRings(morph, crossCapSectionPosition(dialAngle));
    std::vector<QuadStrip> strips;
    strips.reserve(50);
    for (size_t i = 1; i < rings.size(); ++i) {
        strips.push_back(tubeStrip(rings[i - 1], rings[i], 0.04, 9));
    }
    return strips;
}

} // namespace tessivo
