#include "app/frame_statistics.h"

#include <algorithm>
#include <cmath>

namespace tessivo {

FrameStatistics summariseFrameTimes(std::vector<double> milliseconds) {
    FrameStatistics statistics;
    if (milliseconds.empty()) {
        return statistics;
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const std::size_t n = milliseconds.size();
    statistics.frames = static_cast<int>(n);
    statistics.median =
        n % 2 == 1 ? milliseconds[n / 2] : 0.5 * (milliseconds[n / 2 - 1] + milliseconds[n / 2]);
    const auto rank = static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(n)));
    statistics.percentile95 = milliseconds[std::max<std::size_t>(rank, 1) - 1];
    statistics.framesPerSecond = statistics.median > 0.0 ? 1000.0 / statistics.median : 0.0;
    return statistics;
}

} // namespace tessivo
