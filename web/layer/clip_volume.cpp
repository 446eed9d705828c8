#include "web/layer/clip_volume.h"

#include <algorithm>

namespace tessivo::gllayer {

namespace {

// Signed distance of p from one of the six planes: plane 2k keeps w + coordinate k >= 0, plane
// 2k + 1 keeps w - coordinate k >= 0.
double distance(const ClipPoint& p, int plane) {
    const double c = p[plane / 2];
    return plane % 2 == 0 ? p[3] + c : p[3] - c;
}

ClipPoint between(const ClipPoint& a, const ClipPoint& b, double t) {
    ClipPoint r;
    for (int k = 0; k < 4; ++k) {
        r[k] = a[k] + t * (b[k] - a[k]);
    }
    return r;
}

// One Sutherland-Hodgman step. A segment (two points) stays a segment: its closing edge back
// to the first point is not an edge.
std::vector<ClipPoint> clipAgainst(const std::vector<ClipPoint>& in, int plane) {
    std::vector<ClipPoint> out;
    const std::size_t n = in.size();
    const std::size_t edges = n == 2 ? 1 : n;
    if (n == 1) {
        return distance(in[0], plane) >= 0.0 ? in : out;
    }
    for (std::size_t i = 0; i < edges; ++i) {
        const ClipPoint& a = in[i];
        const ClipPoint& b = in[(i + 1) % n];
        const double da = distance(a, plane), db = distance(b, plane);
        if (da >= 0.0) {
            out.push_back(a);
        }
        if ((da >= 0.0) != (db >= 0.0)) {
            out.push_back(between(a, b, da / (da - db)));
        }
        if (n == 2 && db >= 0.0) {
            out.push_back(b);
        }
    }
    return out;
}

} // namespace

std::optional<std::pair<double, double>> clippedDepthRange(std::vector<ClipPoint> polygon) {
    for (int plane = 0; plane < 6 && !polygon.empty(); ++plane) {
        polygon = clipAgainst(polygon, plane);
    }
    if (polygon.empty()) {
        return std::nullopt;
    }
    double lowest = 1.0, highest = -1.0;
    for (const ClipPoint& p : polygon) {
        const double z = p[3] != 0.0 ? p[2] / p[3] : 0.0;
        lowest = std::min(lowest, z);
        highest = std::max(highest, z);
    }
    return std::make_pair(std::clamp(lowest, -1.0, 1.0), std::clamp(highest, -1.0, 1.0));
}

} // namespace tessivo::gllayer
