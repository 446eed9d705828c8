#pragma once

#include <vector>

namespace tessivo {

// Summary of a run of frame times in milliseconds.
struct FrameStatistics {
    int frames = 0;
    double median = 0.0;
    // The 95th percentile by nearest rank: the smallest time that at least 95% of the frames
    // do not exceed.
    double percentile95 = 0.0;
    // 1000 / median; 0 when the median is 0.
    double framesPerSecond = 0.0;
};

// Statistics of the times (any order). An empty run gives all zeros.
FrameStatistics summariseFrameTimes(std::vector<double> milliseconds);

} // namespace tessivo
