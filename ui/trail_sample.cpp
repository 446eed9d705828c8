#include "ui/trail_sample.h"

#include "scene/clock.h"

#include <algorithm>

namespace tessivo {

void appendTrailSample(std::vector<TrailSample>& trail, const TrailSample& sample, int windowMs) {
    const auto young = std::find_if(trail.begin(), trail.end(), [&](const TrailSample& old) {
        return millisecondsBetween(old.t, sample.t) < windowMs;
    });
    trail.erase(trail.begin(), young);
    trail.push_back(sample);
}

} // namespace tessivo
