#pragma once

#include "app/tour_move.h"

#include <vector>

namespace tessivo {

class Scene;
class Slider;

// The exhibit's tour while no one is there: the show list's scenes one after another, each
// for the same time, their controls moved by the tour table (app/tour_table.h) through the
// values a visitor's hand would give them. The object's slow turn is the exhibit's own.
class ExhibitTour {
public:
    // 0 seconds: no tour.
    explicit ExhibitTour(int secondsPerScene) : msPerScene(secondsPerScene * 1000) {}

    // From the show list's first scene, which the caller has put on screen as at the start.
    void start(int now);
    // Hands the scene to the visitor as it stands.
    void stop() { playing_ = false; }
    bool playing() const { return playing_; }

    // Puts the scene of the moment on screen with its controls where the tour has them.
    void advance(int now);

private:
    void apply(Scene& scene, double phase);

    int msPerScene;
    int startMs = 0;
    bool playing_ = false;
    int visit = -1;
    // Clicks made on each control in this visit.
    std::vector<int> presses;
};

// The value of slider whose knob stands at fraction of its track, on the whole pixel that a
// drag would leave it on.
double sliderValueAt(const Slider& slider, double fraction);

} // namespace tessivo
