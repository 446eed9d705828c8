#include "surfaces/polyhedra/woven_strip.h"

#include "math/angles.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {

// 650 steps cover s in [0, 1] with both ends included.
constexpr double bandStepSize = 1.0 / 649.0;
// The centre runs twice around the circle while the cross-section turns by three half-turns.
constexpr double circleTurnRate = 4.0 * pi;
constexpr double sectionTurnRate = 3.0 * pi;
constexpr int slotLength = 32;
constexpr double edgeTubeStep = 0.01;
constexpr double ringSpacing = 2.0 * pi / 9.0;

// A slider value as a fraction in [0, 1]; NaN counts as 0.
double fraction(double value) {
    return value > 0.0 ? std::min(value, 1.0) : 0.0;
}

} // namespace

StripFrame stripFrame(double s, double phi) {
    const double theta = circleTurnRate * s;
    const double psi = sectionTurnRate * s + phi;
    const Vec3 radial{std::cos(theta), std::sin(theta), 0.0};
    const Vec3 up{0.0, 0.0, 1.0};
    StripFrame frame;
    frame.centre = wovenCircleRadius * radial;
    frame.tangent = {-std::sin(theta), std::cos(theta), 0.0};
    frame.width = std::cos(psi) * radial + std::sin(psi) * up;
    frame.normal = -std::sin(psi) * radial + std::cos(psi) * up;
    return frame;
}

SlotProfile slotProfile(int step) {
    const int m = (step % wovenSlotPeriod + wovenSlotPeriod) % wovenSlotPeriod;
    if (m > slotLength) {
        return {0.0, 1.0, 0.0};
    }
    const double x = (16 - m) / 16.0;
    const double y = std::sqrt(1.0 - x * x);
    return {x, y, wovenSlotDepth * y};
}

int stripStepCount(double cut) {
    return static_cast<int>((1.0 - fraction(cut)) * wovenBandSteps);
}

int stripEndStep(double cut) {
    return stripStepCount(cut) - 1;
}

int edgeSegmentCount(double trim) {
    return static_cast<int>((1.0 - fraction(trim)) * wovenEdgeSegments);
}

bool stripPairMarked(int i, int n) {
    // The strip starts red, turns to the band's colour at pair 3 and back to red at pair n - 4,
    // unless that is pair 3 itself or comes before it.
    return i < 3 || (n > 7 && i >= n - 4);
}

bool edgeSegmentMarked(int f, int e) {
    // Red first, the tube's colour from segment 1, red again at the last segment unless that
    // is segment 1.
    return f == 0 || (e > 2 && f == e - 1);
}

StripPart stripPart(int part) {
    if (part < 0 || part > 7) {
        return {false, false, 0.0, 0.0};
    }
    const double sigma = part & 2 ? 1.0 : -1.0;
    const double tau = part & 1 ? 1.0 : -1.0;
    return {true, (part & 4) != 0, sigma, wovenHalfThickness * sigma * tau};
}

std::vector<StripVertexPair> stripPartVertices(int part, double phi, double cut) {
    const StripPart kind = stripPart(part);
    std::vector<StripVertexPair> pairs;
    if (!kind.valid) {
        return pairs;
    }
    const int n = stripStepCount(cut);
    const bool marking = !kind.wall && fraction(cut) > 0.0;
    const double sigma = kind.sigma;
    const double o = kind.offset;
    pairs.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        const SlotProfile slot = slotProfile(i);
        const StripFrame f = stripFrame(i * bandStepSize, phi);
        const Vec3 slotEdge = f.centre + slot.depth * sigma * f.width;
        StripVertexPair pair;
        if (kind.wall) {
            pair.normal = slot.y * sigma * f.width - slot.x * f.tangent;
            pair.first = slotEdge - o * f.normal;
            pair.second = slotEdge + o * f.normal;
        } else {
            pair.normal = sigma * f.normal;
            pair.first = slotEdge + o * f.normal;
            pair.second = f.centre + wovenHalfWidth * sigma * f.width + o * f.normal;
        }
        pair.marked = marking && stripPairMarked(i, n);
        pairs.push_back(pair);
    }
    return pairs;
}

std::vector<CapPolygon> stripCapPolygons(double phi, double cut) {
    std::vector<CapPolygon> caps;
    const int last = stripEndStep(cut);
    if (last < 0) {
        return caps;
    }
    const double h = wovenHalfThickness;
    const double w = wovenHalfWidth;
    for (int end = 0; end < 2; ++end) {
        const int step = end == 0 ? 0 : last;
        const double d = end == 0 ? 0.0 : slotProfile(step).depth;
        const StripFrame f = stripFrame(end == 0 ? 0.0 : step * bandStepSize, phi);
        const Vec3 c = f.centre;
        const Vec3 W = f.width;
        const Vec3 N = f.normal;
        caps.push_back(
            {f.tangent,
             {c + d * W + h * N, c + w * W + h * N, c + w * W - h * N, c + d * W - h * N}});
        caps.push_back(
            {f.tangent,
             {c - d * W - h * N, c - w * W - h * N, c - w * W + h * N, c - d * W + h * N}});
    }
    return caps;
}

std::array<TubeVertex, wovenRingPositions> edgeTubeRing(double s, double phi) {
    const StripFrame f = stripFrame(s, phi);
    const Vec3 edge = f.centre + wovenHalfWidth * f.width;
    std::array<TubeVertex, wovenRingPositions> ring;
    for (int j = 0; j < wovenRingPositions; ++j) {
        const double a = ringSpacing * j;
        const Vec3 n = std::sin(a) * f.normal + std::cos(a) * f.width;
        ring[static_cast<size_t>(j)] = {n, edge + wovenEdgeTubeRadius * n};
    }
    return ring;
}

std::vector<EdgeTubeSegment> edgeTubeSegments(double phi, double trim) {
    const int e = edgeSegmentCount(trim);
    const bool marking = fraction(trim) > 0.0;
    std::vector<EdgeTubeSegment> segments;
    segments.reserve(static_cast<size_t>(std::max(e, 0)));
    for (int f = 0; f < e; ++f) {
        const auto near = edgeTubeRing(f * edgeTubeStep, phi);
        const auto far = edgeTubeRing((f + 1) * edgeTubeStep, phi);
        EdgeTubeSegment segment;
        for (size_t j = 0; j < near.size(); ++j) {
            segment.vertices[2 * j] = near[j];
            segment.vertices[2 * j + 1] = far[j];
        }
        segment.marked = marking && edgeSegmentMarked(f, e);
        segments.push_back(segment);
    }
    return segments;
}

} // namespace tessivo
