#include "ui/credits_emblem.h"

#include "ui/frame_time.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {
constexpr double radiusSquared = 900.0;
constexpr double openingPerMillisecond = 0.002;
constexpr double closingPerMillisecond = 0.005;

constexpr double fixedLeg = 0.415;            // direction of the first leg
constexpr double closedLeg = 1.151;           // the second leg's direction, closed
constexpr double openLeg = 2.726592653589793; // pi - 0.415: symmetric to the first, open
constexpr double ringEnd = 6.498185307179586; // 2 pi + 0.215
constexpr double ringClearance = 0.1;
constexpr int ringSamples = 100;
constexpr double ringInnerRadius = 18.0;
constexpr double ringOuterRadius = 21.0;
constexpr double legLength = 61.5;
constexpr double legWidth = 3.0;
constexpr double sectorRadius = 33.0;

Vec2 polar(double radius, double angle) {
    return {radius * std::cos(angle), radius * std::sin(angle)};
}
} // namespace

bool CreditsEmblem::contains(const Vec2& p) const {
    return lengthSquared(p - position) < radiusSquared;
}

PointerHandler* CreditsEmblem::target(const Vec2& p) {
    return contains(p) ? this : nullptr;
}

void CreditsEmblem::advance(int now) {
    const int dt = frameStep(lastTime, now);
    if (hover) {
        progress = std::min(1.0, progress + openingPerMillisecond * dt);
    } else {
        progress = std::max(0.0, progress - closingPerMillisecond * dt);
    }
}

EmblemShape emblemShape(double p) {
    EmblemShape shape;
    shape.alpha = fixedLeg;
    shape.beta = (1.0 - p) * closedLeg + p * openLeg;
    const double alpha = shape.alpha, beta = shape.beta;

    const double start = beta + ringClearance;
    const double step = (ringEnd - beta) / (ringSamples - 1);
    for (int i = 0; i < ringSamples; ++i) {
        const double theta = start + i * step;
        shape.ringInner.push_back(polar(ringInnerRadius, theta));
        shape.ringOuter.push_back(polar(ringOuterRadius, theta));
    }

    // Each leg is a 3-pixel band on the inner side of its ray; the two inner edges, parallel
    // to the rays at distance 3, cross on the bisector at 3 / sin(half the opening).
    const double half = (beta - alpha) / 2.0;
    shape.bisector = alpha + half;
    shape.hinge = polar(legWidth / std::sin(half), shape.bisector);
    const Vec2 a = polar(legLength, alpha);
    const Vec2 b = a + legWidth * Vec2{-std::sin(alpha), std::cos(alpha)};
    const Vec2 d = polar(legLength, beta);
    const Vec2 e = d + legWidth * Vec2{std::sin(beta), -std::cos(beta)};
    shape.firstLeg = {Vec2{0, 0}, a, b, shape.hinge};
    shape.secondLeg = {Vec2{0, 0}, d, e, shape.hinge};

    for (int j = 0; j < 10; ++j) {
        shape.sector[static_cast<size_t>(j)] =
            polar(sectorRadius, (j * beta + (9 - j) * alpha) / 9.0);
    }
    shape.flipDegrees = 180.0 * p;
    return shape;
}

} // namespace tessivo
