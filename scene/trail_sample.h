#pragma once

#include "math/vec2.h"

#include <optional>
#include <vector>

namespace tessivo {

// One sample of a drag: the pointer in overlay coordinates truncated toward zero, and the wall
// clock's time in milliseconds (a pointer that rests rests in real time, frames or none). A
// drag's trail is its samples in time order, the first one at
// the press.
struct TrailSample {
    int x = 0;
    int y = 0;
    int t = 0;
};

// The sample of the pointer at p at time now.
TrailSample trailSample(const Vec2& p, int now);

// Appends sample to the trail of a drag whose release velocity is measured over the last
// windowMs milliseconds. Samples that are windowMs or more older than the new one go first:
// time only moves on, so no later release can use them, and a drag held for hours must not
// keep every sample it ever made. Ages are taken across the clock's wrap.
void appendTrailSample(std::vector<TrailSample>& trail, const TrailSample& sample, int windowMs);

// The pointer's velocity at a release at p at time now, in pixels per millisecond: the motion
// since the oldest sample younger than windowMs, over the time since that sample. Zero when
// the pointer rested for the whole window (no sample that young, or an empty trail); none when
// the time span is not positive (a release in the same millisecond as that sample). Ages are
// taken across the clock's wrap.
std::optional<Vec2> trailVelocity(const std::vector<TrailSample>& trail, const Vec2& p, int now,
                                  int windowMs);

} // namespace tessivo
