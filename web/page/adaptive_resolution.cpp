#include "web/page/adaptive_resolution.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tessivo {

AdaptiveResolution::AdaptiveResolution(int framesPerSecond)
    : pace(1000.0 / std::max(1, framesPerSecond)) {}

void AdaptiveResolution::setDeviceRatio(double newRatio) {
    if (newRatio == device) {
        return;
    }
    device = newRatio;
    ratio = newRatio;
    intervals.clear();
    roomyDecisions = 0;
    hold = firstHoldDecisions;
    beforeRaise = 0.0;
}

double AdaptiveResolution::lowest() const {
    return std::min(1.0, device);
}

void AdaptiveResolution::noteFrame(double milliseconds, bool moreFollow) {
    const double interval = milliseconds - lastFrame;
    const bool counts = lastFollowed && interval >= 0.0;
    lastFrame = milliseconds;
    lastFollowed = moreFollow;
    if (!counts) {
        intervals.clear(); // a new run of frames
        return;
    }
    intervals.push_back(interval);
    const double spanned = std::accumulate(intervals.begin(), intervals.end(), 0.0);
    if (static_cast<int>(intervals.size()) >= framesPerDecision &&
        spanned >= decisionMilliseconds) {
        decide(meanInterval());
        intervals.clear();
    }
}

// The mean, not the middle: a browser may draw a few frames at once and then wait long for
// the graphics, and only the mean shows how many frames a second that makes.
double AdaptiveResolution::meanInterval() const {
    return std::accumulate(intervals.begin(), intervals.end(), 0.0) /
           static_cast<double>(intervals.size());
}

void AdaptiveResolution::decide(double interval) {
    const bool atPace = interval <= roomShare * pace;
    if (beforeRaise > 0.0) {
        const double previous = beforeRaise;
        beforeRaise = 0.0;
        if (!atPace) {
            ratio = previous;
            hold = std::min(2 * hold, longestHoldDecisions);
            roomyDecisions = 0;
            return;
        }
    }
    if (interval > slowShare * pace) {
        lower(interval);
    } else if (atPace && ratio < device) {
        if (++roomyDecisions >= hold) {
            raise();
        }
    } else {
        roomyDecisions = 0;
    }
}

// The view's pixels are most of a slow frame's work: a step towards the ratio whose pixels
// would fit the pace, but never more than a quarter of the ratio at once.
void AdaptiveResolution::lower(double interval) {
    const double step = std::max(smallestStep, std::sqrt(pace / interval));
    ratio = std::max(lowest(), ratio * step);
    roomyDecisions = 0;
    hold = firstHoldDecisions;
}

void AdaptiveResolution::raise() {
    beforeRaise = ratio;
    ratio = std::min(device, ratio * raiseStep);
    roomyDecisions = 0;
}

} // namespace tessivo
