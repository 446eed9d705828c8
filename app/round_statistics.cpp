#include "app/round_statistics.h"

#include <algorithm>

namespace tessivo {

RoundStatistics summariseRounds(const std::vector<FrameStatistics>& rounds) {
    RoundStatistics statistics;
    if (rounds.empty()) {
        return statistics;
    }
    std::vector<double> medians;
    std::vector<double> percentiles;
    for (const FrameStatistics& round : rounds) {
        medians.push_back(round.median);
        percentiles.push_back(round.percentile95);
    }
    const FrameStatistics overMedians = summariseFrameTimes(medians);
    statistics.rounds = static_cast<int>(rounds.size());
    statistics.median = overMedians.median;
    statistics.framesPerSecond = overMedians.framesPerSecond;
    statistics.lowest = *std::min_element(medians.begin(), medians.end());
    statistics.highest = *std::max_element(medians.begin(), medians.end());
    statistics.percentile95 = summariseFrameTimes(percentiles).median;
    return statistics;
}

} // namespace tessivo
