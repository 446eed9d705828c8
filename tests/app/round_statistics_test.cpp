#include "app/round_statistics.h"

#include <gtest/gtest.h>

namespace tessivo {
namespace {

FrameStatistics round(double median, double percentile95) {
    FrameStatistics statistics;
    statistics.median = median;
    statistics.percentile95 = percentile95;
    return statistics;
}

// One slow round (a busy machine) moves neither the median nor the median 95th percentile,
// but it shows in the spread.
TEST(RoundStatistics, MedianOfTheRoundsWithTheirSpread) {
    const auto odd = summariseRounds({round(4, 6), round(30, 90), round(3, 5)});
    EXPECT_EQ(odd.rounds, 3);
    EXPECT_EQ(odd.median, 4.0);
    EXPECT_EQ(odd.lowest, 3.0);
    EXPECT_EQ(odd.highest, 30.0);
    EXPECT_EQ(odd.percentile95, 6.0);
    EXPECT_DOUBLE_EQ(odd.framesPerSecond, 250.0);
    const auto even = summariseRounds({round(2, 3), round(8, 9), round(4, 7), round(1, 2)});
    EXPECT_EQ(even.median, 3.0);
    EXPECT_EQ(even.percentile95, 5.0);
    EXPECT_EQ(even.lowest, 1.0);
    EXPECT_EQ(even.highest, 8.0);
    const auto none = summariseRounds({});
    EXPECT_EQ(none.rounds, 0);
    EXPECT_EQ(none.median, 0.0);
    EXPECT_EQ(none.framesPerSecond, 0.0);
}

} // namespace
} // namespace tessivo
