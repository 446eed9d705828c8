#include "web/layer/wide_lines.h"

#include <cmath>

namespace tessivo::gllayer {

namespace {

RasterVertex between(const RasterVertex& a, const RasterVertex& b, float t) {
    RasterVertex v;
    for (int k = 0; k < 4; ++k) {
        v.position[k] = a.position[k] + t * (b.position[k] - a.position[k]);
        v.colour[k] = a.colour[k] + t * (b.colour[k] - a.colour[k]);
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
    const float dx = (b.position[0] / b.position[3] - a.position[0] / a.position[3]) * viewport[2];
    const float dy = (b.position[1] / b.position[3] - a.position[1] / a.position[3]) * viewport[3];
    // Half the width in normalised device coordinates, which span 2 across the viewport.
    const bool xMajor = std::fabs(dx) >= std::fabs(dy);
    const float across = xMajor ? 0.0f : width / static_cast<float>(viewport[2]);
    const float up = xMajor ? width / static_cast<float>(viewport[3]) : 0.0f;
    const RasterVertex a0 = offset(a, -across, -up);
    const RasterVertex a1 = offset(a, across, up);
    const RasterVertex b0 = offset(b, -across, -up);
    const RasterVertex b1 = offset(b, across, up);
    triangles.insert(triangles.end(), {a0, b0, b1, a0, b1, a1});
}

} // namespace tessivo::gllayer
