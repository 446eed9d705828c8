#pragma once

#include "app/frame_statistics.h"

#include <vector>

namespace tessivo {

// A scene's frame times over several rounds, each summarised on its own. On a shared machine
// one round can be slowed by whatever else runs meanwhile; the median over the rounds is
// robust to that, and the lowest and highest round show how far the rounds spread.
struct RoundStatistics {
    int rounds = 0;
    // The median of the rounds' medians, and the lowest and highest of them.
    double median = 0.0;
    double lowest = 0.0;
    double highest = 0.0;
    // The median of the rounds' 95th percentiles.
    double percentile95 = 0.0;
    // 1000 / median; 0 when the median is 0.
    double framesPerSecond = 0.0;
};

// Statistics over the rounds (any order). No rounds give all zeros.
RoundStatistics summariseRounds(const std::vector<FrameStatistics>& rounds);

} // namespace tessivo
