#pragma once

#include <vector>

namespace tessivo {

// One sample of a drag: the pointer in overlay coordinates truncated toward zero, and the wall
// clock's time in milliseconds (a pointer that rests rests in real time, frames or none).
struct TrailSample {
    int x = 0;
    int y = 0;
    int t = 0;
};

// Appends sample to the trail of a drag whose release velocity is measured over the last
// windowMs milliseconds. Samples that are windowMs or more older than the new one go first:
// time only moves on, so no later release can use them, and a drag held for hours must not
// keep every sample it ever made. Ages are taken across the clock's wrap.
void appendTrailSample(std::vector<TrailSample>& trail, const TrailSample& sample, int windowMs);

} // namespace tessivo
