#include "ui/credits_emblem.h"

#include "scene/overlay_settings.h"
#include "ui/frame_time.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

namespace {
constexpr double hitRadius = 30.0;
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

// bounds grown to hold the points, each moved by shift.
Rect pointsBounds(Rect bounds, const Vec2* points, size_t count, const Vec2& shift = {}) {
    for (size_t i = 0; i < count; ++i) {
        bounds.left = std::min(bounds.left, points[i].x + shift.x);
        bounds.right = std::max(bounds.right, points[i].x + shift.x);
        bounds.bottom = std::min(bounds.bottom, points[i].y + shift.y);
        bounds.top = std::max(bounds.top, points[i].y + shift.y);
    }
    return bounds;
}

// The closed emblem's drawing relative to its centre: the ring, the legs and the sector.
Rect closedShapeBounds() {
    const EmblemShape shape = emblemShape(0.0);
    Rect bounds = squareAround({0, 0}, hitRadius);
    bounds = pointsBounds(bounds, shape.ringOuter.data(), shape.ringOuter.size());
    bounds = pointsBounds(bounds, shape.firstLeg.data(), shape.firstLeg.size());
    bounds = pointsBounds(bounds, shape.secondLeg.data(), shape.secondLeg.size());
    return pointsBounds(bounds, shape.sector.data(), shape.sector.size(), shape.hinge);
}
} // namespace

bool CreditsEmblem::contains(const Vec2& p) const {
    return roundContains(p, hitRadius);
}

Rect CreditsEmblem::bounds() const {
    static const Rect shape = closedShapeBounds();
    const Rect drawn{position.x + shape.left, position.y + shape.bottom, position.x + shape.right,
                     position.y + shape.top};
    return unite(drawn, squareAround(position, touchSide / 2.0));
}

PointerHandler* CreditsEmblem::target(const Vec2& p) {
    return pinned || contains(p) ? this : nullptr;
}

void CreditsEmblem::onPress(const Vec2& /*p*/) {
    if (!overlaySettings().tapOpens) {
        return;
    }
    // A finger that opened the emblem rests on it, as far as the shell knows, until it lands
    // elsewhere: closing must not wait for it to leave.
    pinned = !pinned;
    hover = false;
}

void CreditsEmblem::advance(int now) {
    const int dt = frameStep(lastTime, now);
    if (hover || pinned) {
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
