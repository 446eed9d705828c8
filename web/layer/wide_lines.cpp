#include "web/layer/wide_lines.h"

#include <cmath>

namespace tessivo::gllayer {

namespace {

RasterVertex between(const RasterVertex& a, const RasterVertex& b, float t) {
    RasterVertex v;
    for (int k = 0; k < 4; ++k) {
        v.position[k] = a.position[k] + t * (b.position[k] - a.position[k]);
        v.colour[k] =
            static_cast<std::uint8_t>(std::lround(a.colour[k] + t * (b.colour[k] - a.colour[k])));
    }
    for (int k = 0; k < 2; ++k) {
        v.texCoord[k] = a.texCoord[k] + t * (b.texCoord[k] - a.texCoord[k]);
    }
    return v;
}

// Signed distance to the near plane z = -w, positive on the visible side.
float nearDistance(const RasterVertex& v) {
    return v.position[2] + v.position[3];
}

// Cuts the line at the near plane, where its window position would lose its meaning; false
// when nothing of it is in front.
bool clipToNearPlane(RasterVertex& a, RasterVertex& b) {
    const float da = nearDistance(a);
    const float db = nearDistance(b);
    if (da < 0.0f && db < 0.0f) {
        return false;
    }
    if (da < 0.0f) {
        a = between(a, b, da / (da - db));
    } else if (db < 0.0f) {
        b = between(b, a, db / (db - da));
    }
    return a.position[3] > 0.0f && b.position[3] > 0.0f;
}

// The vertex moved by (dx, dy) in normalised device coordinates.
RasterVertex offset(const RasterVertex& v, float dx, float dy) {
    RasterVertex moved = v;
    moved.position[0] += dx * v.position[3];
    moved.position[1] += dy * v.position[3];
    return moved;
}

std::array<double, 2> windowPosition(const RasterVertex& v, const std::array<int, 4>& viewport) {
    return {(v.position[0] / v.position[3] + 1.0) * 0.5 * viewport[2] + viewport[0],
            (v.position[1] / v.position[3] + 1.0) * 0.5 * viewport[3] + viewport[1]};
}

// A point in window pixels along the line's major axis (along) and its minor one (across).
struct AxisPoint {
    double along;
    double across;
};

// The least distance in the 1-norm from c to the segment p-q: the 1-norm along a segment is
// convex and bends only where the segment crosses c's row or column.
double diamondDistance(const AxisPoint& p, const AxisPoint& q, const AxisPoint& c) {
    const auto distanceAt = [&](double t) {
        return std::fabs(p.along + t * (q.along - p.along) - c.along) +
               std::fabs(p.across + t * (q.across - p.across) - c.across);
    };
    double least = std::fmin(distanceAt(0.0), distanceAt(1.0));
    for (const double t : {(c.along - p.along) / (q.along - p.along),
                           (c.across - p.across) / (q.across - p.across)}) {
        if (t > 0.0 && t < 1.0) {
            least = std::fmin(least, distanceAt(t));
        }
    }
    return least;
}

// Whether GL's one-pixel line from p to q makes a fragment in the given column of its major
// axis: it does where the segment leaves the diamond around one of the column's pixel centres,
// so not where it ends inside one.
bool makesFragmentIn(int column, const AxisPoint& p, const AxisPoint& q) {
    const double centre = column + 0.5;
    const double t = std::fmin(1.0, std::fmax(0.0, (centre - p.along) / (q.along - p.along)));
    const double row = std::floor(p.across + t * (q.across - p.across));
    for (const double r : {row - 1.0, row, row + 1.0}) {
        const AxisPoint c = {centre, r + 0.5};
        const double qDistance = std::fabs(q.along - c.along) + std::fabs(q.across - c.across);
        if (diamondDistance(p, q, c) < 0.5 && qDistance >= 0.5) {
            return true;
        }
    }
    return false;
}

// The major-axis coordinates of the wide line's ends, so that it covers the columns of GL's
// one-pixel line: its first and last columns depend on where the line meets the pixels'
// diamonds there, not on where its ends fall. An end whose column the plain parallelogram
// already takes or leaves as GL does stays where it is; another moves to its column's edge.
std::array<double, 2> endsAlong(const AxisPoint& p, const AxisPoint& q) {
    const int first = static_cast<int>(std::floor(p.along));
    const int last = static_cast<int>(std::floor(q.along));
    const bool forward = q.along > p.along;
    const bool withFirst = makesFragmentIn(first, p, q);
    const bool withLast = makesFragmentIn(last, p, q);
    const bool coversFirst = forward ? p.along <= first + 0.5 : p.along > first + 0.5;
    const bool coversLast = forward ? q.along >= last + 0.5 : q.along <= last + 0.5;
    std::array<double, 2> ends = {p.along, q.along};
    if (withFirst != coversFirst) {
        ends[0] = withFirst == forward ? first : first + 1.0;
    }
    if (withLast != coversLast) {
        ends[1] = withLast == forward ? last + 1.0 : last;
    }
    return ends;
}

} // namespace

float rasterisedLineWidth(float width) {
    return std::fmax(1.0f, std::round(width));
}

void appendWideLine(const RasterVertex& from, const RasterVertex& to,
                    const std::array<int, 4>& viewport, float width,
                    std::vector<RasterVertex>& triangles) {
    RasterVertex a = from;
    RasterVertex b = to;
    if (!clipToNearPlane(a, b) || viewport[2] <= 0 || viewport[3] <= 0) {
        return;
    }
    const auto [ax, ay] = windowPosition(a, viewport);
    const auto [bx, by] = windowPosition(b, viewport);
    const bool xMajor = std::fabs(bx - ax) >= std::fabs(by - ay);
    const AxisPoint p = xMajor ? AxisPoint{ax, ay} : AxisPoint{ay, ax};
    const AxisPoint q = xMajor ? AxisPoint{bx, by} : AxisPoint{by, bx};
    if (p.along == q.along) {
        return; // no length: GL draws nothing
    }
    const std::array<double, 2> ends = endsAlong(p, q);
    if ((ends[1] - ends[0]) * (q.along - p.along) <= 0.0) {
        return; // not a single column
    }
    // An end that moves keeps to the line; then half the width either way across the major
    // axis.
    const double slope = (q.across - p.across) / (q.along - p.along);
    const double half = 0.5 * width;
    // Window pixels per unit of normalised device coordinates, in x and y.
    const double perX = 0.5 * viewport[2];
    const double perY = 0.5 * viewport[3];
    const auto corner = [&](const RasterVertex& v, double along, double side) {
        const double shiftAlong = along - (&v == &a ? p.along : q.along);
        const double shiftAcross = shiftAlong * slope + side * half;
        const double shiftX = xMajor ? shiftAlong : shiftAcross;
        const double shiftY = xMajor ? shiftAcross : shiftAlong;
        return offset(v, static_cast<float>(shiftX / perX), static_cast<float>(shiftY / perY));
    };
    const RasterVertex a0 = corner(a, ends[0], -1.0);
    const RasterVertex a1 = corner(a, ends[0], 1.0);
    const RasterVertex b0 = corner(b, ends[1], -1.0);
    const RasterVertex b1 = corner(b, ends[1], 1.0);
    triangles.insert(triangles.end(), {a0, b0, b1, a0, b1, a1});
}

} // namespace tessivo::gllayer
