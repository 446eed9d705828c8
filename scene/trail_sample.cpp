#include "scene/trail_sample.h"

#include "scene/clock.h"

#include <algorithm>

namespace tessivo {

TrailSample trailSample(const Vec2& p, int now) {
    return {static_cast<int>(p.x), static_cast<int>(p.y), now};
}

void appendTrailSample(std::vector<TrailSample>& trail, const TrailSample& sample, int windowMs) {
    const auto young = std::find_if(trail.begin(), trail.end(), [&](const TrailSample& old) {
        return millisecondsBetween(old.t, sample.t) < windowMs;
    });
    trail.erase(trail.begin(), young);
    trail.push_back(sample);
}

std::optional<Vec2> trailVelocity(const std::vector<TrailSample>& trail, const Vec2& p, int now,
                                  int windowMs) {
    // Back from the newest sample: the reference is the last one before the first that is too
    // old.
    const TrailSample* reference = nullptr;
    for (auto sample = trail.rbegin(); sample != trail.rend(); ++sample) {
        if (millisecondsBetween(sample->t, now) >= windowMs) {
            break;
        }
        reference = &*sample;
    }
    if (!reference) {
        return Vec2{0.0, 0.0};
    }
    const int dt = millisecondsBetween(reference->t, now);
    if (dt <= 0) {
        return std::nullopt;
    }
    return Vec2{(p.x - reference->x) / dt, (p.y - reference->y) / dt};
}

} // namespace tessivo
