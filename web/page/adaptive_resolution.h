#pragma once

#include <vector>

namespace tessivo {

// The pixel ratio at which the page draws the 3D view, so that frames keep the exhibit's pace
// on a slow device. Every frame reports when it was drawn; once at least six intervals
// and a quarter of a second have passed, their mean decides: well over the pace lowers the
// ratio by a step, at the pace raises it by a smaller one after a hold, anything between keeps
// it. No interval is left out: a browser may take a run of frames at once and then wait long
// for the graphics to catch up, and the wait is what those frames cost. One long frame alone
// (a new scene's surface being built) costs at most a step, which comes back after the hold. A
// raise that proves too slow is taken back at once and the hold before the next try from there
// doubles, so that a frame time that stays the same settles on one ratio instead of swinging about
// it. Only intervals between frames that follow one another count: the time the exhibit rests is no
// slow frame. The ratio stays between the device's pixel ratio and 1 (one pixel per CSS pixel), or
// the device's own when that is below 1.
class AdaptiveResolution {
public:
    static constexpr int framesPerDecision = 6;
    static constexpr double decisionMilliseconds = 250.0;
    static constexpr double slowShare = 1.2;  // of the pace's interval
    static constexpr double roomShare = 1.05; // of the pace's interval
    static constexpr double smallestStep = 0.75;
    static constexpr double raiseStep = 1.1;
    static constexpr int firstHoldDecisions = 10;
    static constexpr int longestHoldDecisions = 640;

    explicit AdaptiveResolution(int framesPerSecond);

    // The device's pixel ratio, the sharpest the view is drawn; a new one starts sharpest.
    void setDeviceRatio(double ratio);
    // A frame was drawn at this time (any clock of milliseconds); moreFollow: the next frame
    // follows it at the pace (something moves), rather than after a rest or an input.
    void noteFrame(double milliseconds, bool moreFollow);

    double viewRatio() const { return ratio; }
    double deviceRatio() const { return device; }
    // The share of the window's pixels on each side at which the view is drawn.
    double scale() const { return ratio / device; }

private:
    double lowest() const;
    double meanInterval() const;
    void decide(double interval);
    void lower(double interval);
    void raise();

    double pace;
    double device = 1.0;
    double ratio = 1.0;
    double lastFrame = 0.0;
    bool lastFollowed = false;
    std::vector<double> intervals;
    int roomyDecisions = 0;
    int hold = firstHoldDecisions;
    // The ratio before the last raise, while that raise is on trial.
    double beforeRaise = 0.0;
};

} // namespace tessivo
